#!/usr/bin/env bash
# Starts or stops the private Wine world of a build folder:
#   wine-prefix.sh start DIR   fresh prefix in DIR/prefix, Xvfb if there is no
#                              DISPLAY, and a persistent wineserver
#   wine-prefix.sh stop DIR    ends the wineserver and our Xvfb
# Every Wine process gets /dev/null for stdin, stdout and stderr: its helpers
# inherit open pipes and would keep ctest waiting for ever.
set -u
action=$1
dir=$(mkdir -p "$2" && cd "$2" && pwd)
orig_display=${DISPLAY:-}
source "$(dirname "$0")/wine-env.sh" "$dir"

start_xvfb() {
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  echo $! >"$dir/xvfb.pid"
  echo "$n" >"$dir/display"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  export DISPLAY=":$n"
}

stop_all() {
  "$wineserver_bin" -k </dev/null >/dev/null 2>&1
  "$wineserver_bin" -w </dev/null >/dev/null 2>&1
  if [ -f "$dir/xvfb.pid" ]; then
    kill "$(cat "$dir/xvfb.pid")" 2>/dev/null
    rm -f "$dir/xvfb.pid" "$dir/display"
  fi
}

case "$action" in
  start)
    stop_all
    rm -rf "$WINEPREFIX"
    export DISPLAY=$orig_display
    [ -n "$DISPLAY" ] || start_xvfb
    mkdir -p "$WINEPREFIX"
    # The server and the services that wineboot starts must outlive every
    # test process, or each test would start them again with its own pipes.
    "$wineserver_bin" -p60 </dev/null >/dev/null 2>&1
    "$wine_bin" wineboot -i </dev/null >/dev/null 2>&1
    # Without a window manager, Wine waits for one each time it destroys a
    # captioned window; unmanaged windows spare the tests that wait.
    "$wine_bin" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
    echo "Wine prefix ready: $WINEPREFIX (DISPLAY=$DISPLAY)"
    ;;
  stop)
    stop_all
    echo "Wine stopped for $dir"
    ;;
  *) echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
