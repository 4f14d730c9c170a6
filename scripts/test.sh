#!/usr/bin/env bash
# Builds both presets and runs both suites. Exit status is non-zero when
# anything fails to build or any test fails.
set -u
cd "$(dirname "$0")/.."

# The printer of the printing test is the one part that may be missing: the
# rest runs without it, and the build leaves that test out.
print_packages="cups printer-driver-cups-pdf poppler-utils"
deps_log=$(mktemp)
scripts/deps.sh test 2>&1 | tee "$deps_log"
deps_status=${PIPESTATUS[0]}
listed=$(sed -n 's/^These Debian packages are missing://p; s/^Installing://p' "$deps_log")
rm -f "$deps_log"
if [ "$deps_status" -ne 0 ]; then
  [ -n "${listed//[[:space:]]/}" ] || exit 1
  required=""
  optional=""
  for p in $listed; do
    dpkg -s "$p" >/dev/null 2>&1 && continue
    case " $print_packages " in
      *" $p "*) optional="$optional $p" ;;
      *) required="$required $p" ;;
    esac
  done
  [ -z "$required" ] || exit 1
  [ -z "$optional" ] || echo "== without$optional: the printing test is left out"
fi

# Wine reads the list of printers when one of its processes starts, so the
# print server is up before the Windows tests make their Wine prefix.
stop_print_server=false
if PATH=$PATH:/usr/sbin:/sbin command -v cupsd lpadmin >/dev/null; then
  lpstat -r 2>/dev/null | grep -q 'is running' || stop_print_server=true
  if ! scripts/print-server.sh start; then
    echo "== no print server: the printing test will be skipped" >&2
  fi
else
  echo "== no CUPS (scripts/deps.sh test): the printing test is left out"
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
