#!/usr/bin/env bash
# Builds Horalo, lays out its program folder and starts it under Wine with a
# private prefix (build/windows/run/prefix). Ctrl+C or SIGTERM ends Horalo
# with its private quit request, so the end of work is recorded; it is
# never simply killed.
#   scripts/run.sh                  in English
#   scripts/run.sh --language de    in German (any folder of languages/)
set -u
cd "$(dirname "$0")/.."
language=en
case "${1:-}" in
  --language) language=${2:-} ;;
  --language=*) language=${1#--language=} ;;
  "") ;;
  *) echo "usage: $0 [--language en|de]" >&2; exit 2 ;;
esac
scripts/deps.sh run || exit 1
cmake --preset windows >/dev/null || exit 1
cmake --build --preset windows --target program_folder horalo_quit || exit 1

root=$PWD
program_dir=$root/build/windows/program
# The program loads HoraloRDLL.dll and horalo.frm from its folder: the
# chosen language's take their place (the next build puts English back).
if [ ! -f "$program_dir/languages/$language/HoraloRDLL.dll" ]; then
  echo "No language '$language': choose one of $(ls "$program_dir/languages" | tr '\n' ' ')" >&2
  exit 2
fi
cp "$program_dir/languages/$language/HoraloRDLL.dll" "$program_dir/languages/$language/horalo.frm" "$program_dir/" || exit 1
run_dir=$root/build/windows/run
mkdir -p "$run_dir"
rm -f "$run_dir/display"
orig_display=${DISPLAY:-}
source scripts/wine-env.sh "$run_dir"

xvfb_pid=""
if [ -z "$orig_display" ]; then
  n=90
  while [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ]; do n=$((n + 1)); done
  # Its own session, like Horalo's: Ctrl+C must not take the display away
  # before Horalo has recorded the end of work.
  setsid Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp </dev/null >/dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=":$n"
  for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
  echo "No DISPLAY is set: started Xvfb on $DISPLAY."
  echo "  Screenshot: DISPLAY=$DISPLAY import -window root horalo.png"
fi

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "Creating the Wine prefix $WINEPREFIX (once; takes a while)..."
  "$wine_bin" wineboot -i </dev/null >/dev/null 2>&1
fi
# On our own Xvfb no window manager runs, and Wine would wait seconds for one
# each time a window is hidden (at quit, before the end of work is written).
# On the user's display the windows stay managed, with their frames.
x11_key='HKCU\Software\Wine\X11 Driver'
if [ -n "$xvfb_pid" ]; then
  "$wine_bin" reg add "$x11_key" /v Managed /d N /f </dev/null >/dev/null 2>&1
else
  "$wine_bin" reg delete "$x11_key" /v Managed /f </dev/null >/dev/null 2>&1
fi

echo "Starting Horalo from $program_dir (Ctrl+C ends it and records the end of work)."
(cd "$program_dir" && exec setsid "$wine_bin" horalo.exe </dev/null >"$run_dir/horalo.out" 2>&1) &
horalo_pid=$!

request_quit() {
  echo
  echo "Asking Horalo to end..."
  "$wine_bin" "$root/build/windows/bin/horalo_quit.exe" </dev/null 2>&1 | sed 's/^/  /'
}
trap request_quit INT TERM

while kill -0 "$horalo_pid" 2>/dev/null; do
  wait "$horalo_pid"
done
trap - INT TERM
echo "Horalo has ended."
[ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
exit 0
