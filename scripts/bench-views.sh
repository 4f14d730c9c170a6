#!/usr/bin/env bash
# Times Horalo's windows under Wine on a log of 30 years, each figure beside
# a floor of the same run:
#
#   scripts/bench-views.sh preview [REPETITIONS] [OPENS]   (50 repaints, 10 openings)
#     the time-sheet canvas's repaint at zoom 1 and 4 beside a plain playing
#     of the same form, and the preview's opening beside a plain read of the
#     log (tools/preview_benchmark.cpp);
#   scripts/bench-views.sh browser [REPETITIONS]           (30 months shown)
#     the log browser showing a month beside its list filled with rows
#     already built (tools/browser_benchmark.cpp);
#   scripts/bench-views.sh year [REPETITIONS]              (20 rounds)
#     the year's account beside twelve month reads, and the year window's
#     opening and stepping (tools/year_benchmark.cpp).
#
# The prefix is private (build/windows/bench-views) and has unmanaged
# windows, as the test prefix has: without a window manager, Wine waits 2 s
# for one each time it hides a managed window. The benchmark copies the
# form, the language library and the special days into a temporary folder
# of the prefix and writes its log there, so no user data is touched. Every
# Wine process gets /dev/null or a file for stdin, stdout and stderr, and
# the script ends the wineserver and the Xvfb it started.
set -u
cd "$(dirname "$0")/.."
usage() { echo "usage: $0 preview [REPETITIONS] [OPENS] | browser [REPETITIONS] | year [REPETITIONS]" >&2; exit 2; }
view=${1:-}
case "$view" in
  preview) repetitions=${2:-50}; opens=${3:-10} ;;
  browser) repetitions=${2:-30}; opens=0 ;;
  year) repetitions=${2:-20}; opens=0 ;;
  *) usage ;;
esac
for n in "$repetitions" "$opens"; do
  case "$n" in ''|*[!0-9]*) usage ;; esac
done

scripts/deps.sh build || exit 1
cmake --preset windows >/dev/null || exit 1
cmake --build --preset windows --target program_folder "${view}_benchmark" || exit 1

root=$PWD
bench_dir=$root/build/windows/bench-views
mkdir -p "$bench_dir"
orig_display=${DISPLAY:-}
rm -f "$bench_dir/display"
source scripts/wine-env.sh "$bench_dir"
program_dir=$root/build/windows/program
bench_exe=$root/build/windows/bin/${view}_benchmark.exe
if [ ! -f "$program_dir/horalo.frm" ]; then
  echo "$program_dir/horalo.frm is missing: the build made no form." >&2
  exit 1
fi

# Wine sees the Unix root as drive Z:.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

source scripts/bench-display.sh
trap stop_all EXIT
trap 'exit 130' INT TERM

# A leftover server of an interrupted run would keep the old prefix open.
stop_wineserver
start_display

echo "Making a fresh Wine prefix in $WINEPREFIX..."
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
# Persistent, so the services and the desktop outlive the benchmark's start.
"$wineserver_bin" -p60 </dev/null >/dev/null 2>&1
"$wine_bin" wineboot -i </dev/null >/dev/null 2>&1
"$wine_bin" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
# A new server, so every Wine process (the desktop too) reads the setting.
stop_wineserver
"$wineserver_bin" -p60 </dev/null >/dev/null 2>&1

echo "Running the $view benchmark ($repetitions repetitions)..."
out=$bench_dir/$view.out
# Berlin, as the time-log benchmark and the tests use, so the log's days
# meet real daylight-saving changes.
TZ=Europe/Berlin timeout 600 "$wine_bin" "$bench_exe" "$(windows_path "$program_dir")" "$repetitions" $([ "$view" = preview ] && echo "$opens") \
  </dev/null >"$out" 2>/dev/null
status=$?
cat "$out"
if [ "$status" -ne 0 ]; then
  echo "The benchmark failed (exit code $status)." >&2
  exit 1
fi
