#!/usr/bin/env bash
# Builds a fuzzer (clang's libFuzzer with AddressSanitizer and
# UndefinedBehaviorSanitizer) in build/fuzz and runs it for the given number
# of seconds (default 60): scripts/fuzz.sh [seconds] [log|form], the time log
# by default, or one record of the time-sheet form and a whole form. Findings are written to
# build/fuzz as crash-*. New inputs collect in build/fuzz/corpus (log) or
# build/fuzz/form_corpus (form); the committed seeds in fuzz/corpus and
# fuzz/form_corpus are only read.
set -eu
cd "$(dirname "$0")/.."
seconds="${1:-60}"
target="${2:-log}"
case "$target" in
  log)  corpus=corpus; max_len=4096 ;;
  form) corpus=form_corpus; max_len=512 ;;
  *) echo "usage: scripts/fuzz.sh [seconds] [log|form]" >&2; exit 2 ;;
esac
scripts/deps.sh fuzz
out=build/fuzz
mkdir -p "$out/$corpus"
echo "== building $out/${target}_fuzzer"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target "${target}_fuzzer"
# The same zone as the tests' replay of the corpus, with daylight saving
# changes inside the months the checks read.
export TZ=Europe/Berlin
# The time-log fuzzer writes a log for every input: a folder in memory keeps
# that fast.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
echo "== fuzzing for $seconds s"
cd "$out"
exec "./${target}_fuzzer" -max_total_time="$seconds" -max_len="$max_len" -print_final_stats=1 \
  "$corpus" "../../fuzz/$corpus"
