#!/usr/bin/env bash
# Builds the time-log fuzzer (clang's libFuzzer with AddressSanitizer and
# UndefinedBehaviorSanitizer) in build/fuzz and runs it for the given number
# of seconds (default 60). Findings are written to build/fuzz as crash-*.
# New inputs collect in build/fuzz/corpus; the committed seeds in fuzz/corpus
# are only read.
set -eu
cd "$(dirname "$0")/.."
scripts/deps.sh fuzz
seconds="${1:-60}"
out=build/fuzz
mkdir -p "$out/corpus"
echo "== building $out/log_fuzzer"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
# The same zone as the tests' replay of the corpus, with daylight saving
# changes inside the months the checks read.
export TZ=Europe/Berlin
# The fuzzer writes a log for every input: a folder in memory keeps that fast.
if [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
echo "== fuzzing for $seconds s"
cd "$out"
exec ./log_fuzzer -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 corpus ../../fuzz/corpus
