# Sourced by the Wine benchmark scripts after scripts/wine-env.sh, with
# orig_display holding DISPLAY as the script found it: the display Wine
# draws on, and the end of the wineserver and Xvfb the script started.
xvfb_pid=""

# Ends the prefix's wineserver and waits for it, so the next start meets none.
stop_wineserver() {
  "$wineserver_bin" -k </dev/null >/dev/null 2>&1
  "$wineserver_bin" -w </dev/null >/dev/null 2>&1
}

stop_all() {
  stop_wineserver
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
    xvfb_pid=""
  fi
}

# The caller's display, or Xvfb on a free one when none is set.
start_display() {
  [ -n "$orig_display" ] && return
  local n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  echo "No DISPLAY is set: started Xvfb on $DISPLAY."
}
