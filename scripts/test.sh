#!/usr/bin/env bash
# Builds both presets and runs both suites. Exit status is non-zero when
# anything fails to build or any test fails.
set -u
cd "$(dirname "$0")/.."

scripts/deps.sh test || exit 1
# The printer of the printing test is the one part that may be missing: the
# rest runs without it, and the build leaves that test out.
scripts/deps.sh print || echo "== without the print packages: the printing test is left out"

# Wine reads the list of printers when one of its processes starts, so the
# print server is up before the Windows tests make their Wine prefix.
stop_print_server=false
if PATH=$PATH:/usr/sbin:/sbin command -v cupsd lpadmin >/dev/null; then
  lpstat -r 2>/dev/null | grep -q 'is running' || stop_print_server=true
  if ! scripts/print-server.sh start; then
    echo "== no print server: the printing test will be skipped" >&2
  fi
else
  echo "== no CUPS (scripts/deps.sh print): the printing test is left out"
fi
# Only a cupsd that this run started is ended; print-server.sh ends no other.
trap '$stop_print_server && scripts/print-server.sh stop' EXIT

status=0
for preset in native windows; do
  echo "== $preset: configure and build"
  if cmake --preset "$preset" >/dev/null && cmake --build --preset "$preset"; then
    echo "== $preset: tests"
    ctest --preset "$preset" || status=1
  else
    echo "== $preset: build failed" >&2
    status=1
  fi
done
exit $status
