#!/usr/bin/env bash
# Builds both presets and runs both suites. Exit status is non-zero when
# anything fails to build or any test fails.
set -u
cd "$(dirname "$0")/.."
scripts/deps.sh test || exit 1
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
