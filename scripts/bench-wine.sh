#!/usr/bin/env bash
# Times Horalo's start (to its visible main dialog) and its quit (from the
# private quit request to the end-of-work record on the disk) under Wine,
# beside the same figures of bare_dialog.exe, a program that does nothing
# else, measured the same way in the same run:
#
#   scripts/bench-wine.sh [RUNS]        (7 runs each, after one warm-up run)
#
# Both are measured twice: with Wine's default managed windows, as in the
# run command's prefix (what its user gets), and with Managed=N, as in the
# test prefix. Without a window manager, Wine waits for one whenever it
# hides a managed window. The prefix is private (build/windows/bench), and
# the program folder a temporary copy, so no user data is touched. Every
# Wine process gets /dev/null or a file for stdin, stdout and stderr, and
# the script ends the wineserver and the Xvfb it started.
set -u
cd "$(dirname "$0")/.."
runs=${1:-7}
case "$runs" in ''|*[!0-9]*) echo "usage: $0 [RUNS]" >&2; exit 2 ;; esac

scripts/deps.sh build || exit 1
cmake --preset windows >/dev/null || exit 1
cmake --build --preset windows --target program_folder bare_dialog latency_probe || exit 1

root=$PWD
bench_dir=$root/build/windows/bench
mkdir -p "$bench_dir"
orig_display=${DISPLAY:-}
rm -f "$bench_dir/display"
source scripts/wine-env.sh "$bench_dir"
program_dir=$bench_dir/program
probe_exe=$root/build/windows/bin/latency_probe.exe

# Wine sees the Unix root as drive Z:.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }

source scripts/bench-display.sh
trap 'stop_all; rm -rf "$program_dir"' EXIT
trap 'exit 130' INT TERM

start_server() {
  # Persistent, so the services and the desktop outlive each probe.
  "$wineserver_bin" -p60 </dev/null >/dev/null 2>&1
}

# A leftover server of an interrupted run would keep the old prefix open.
stop_wineserver
start_display

echo "Making a fresh Wine prefix in $WINEPREFIX..."
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
start_server
"$wine_bin" wineboot -i </dev/null >/dev/null 2>&1

rm -rf "$program_dir"
mkdir -p "$program_dir"
cp "$root/build/windows/program/"* "$program_dir/"
cp "$root/build/windows/bin/bare_dialog.exe" "$program_dir/"
rm -f "$program_dir/horalo.log" "$program_dir/bare.log"
program_win=$(windows_path "$program_dir/")
# Where Horalo finds its folder; its settings are written by the warm-up run.
"$wine_bin" reg add 'HKCU\Software\Pellwick\HORALO' /v Path /d "$program_win" /f </dev/null >/dev/null 2>&1

# probe NAME PROGRAM PROPERTY LOG: the probe's lines, indented, and its
# median line kept in $bench_dir/NAME.median.
probe() {
  local name=$1 out="$bench_dir/$1.out"
  if ! "$wine_bin" "$probe_exe" "$program_win$2" "$3" "$program_win$4" "$runs" </dev/null >"$out" 2>/dev/null; then
    sed 's/^/    /' "$out"
    echo "The probe failed on $2." >&2
    exit 1
  fi
  sed 's/^/    /' "$out"
  grep '^median' "$out" >"$bench_dir/$name.median"
}

# field FILE KEY: the milliseconds after KEY in a median line.
field() { sed -n "s/.*$2 \([0-9.]*\) ms.*/\1/p" "$1"; }

report() {
  local h="$bench_dir/horalo.median" f="$bench_dir/floor.median"
  printf '  %-30s %12s %12s %8s\n' "median of $runs runs" "Horalo" "floor" "ratio"
  for key in "start->visible" "start->idle" "quit->record" "quit->ended"; do
    local a b
    a=$(field "$h" "$key")
    b=$(field "$f" "$key")
    printf '  %-30s %9s ms %9s ms %8s\n' "$key" "$a" "$b" \
      "$(echo "$a $b" | awk '{ if ($2 > 0) printf "%.1fx", $1 / $2; else print "-" }')"
  done
}

measure() {
  echo
  echo "== $1"
  echo "  floor (bare_dialog.exe):"
  probe floor bare_dialog.exe Horalo.BareDialog bare.log
  echo "  Horalo (horalo.exe):"
  probe horalo horalo.exe Horalo.MainDialog horalo.log
  echo
  report
}

measure "Managed windows, as in the run command's prefix"

# A new server, so every Wine process (the desktop too) reads the setting.
"$wine_bin" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
stop_wineserver
start_server
measure "Managed=N, as in the test prefix"
echo
echo "start->visible: from CreateProcess until the main window is visible;"
echo "start->idle: until the program first waits for input. Then the quit request is posted."
echo "quit->record: from the quit request until the 8-byte end record is in the log;"
echo "quit->ended: until the process has ended."
