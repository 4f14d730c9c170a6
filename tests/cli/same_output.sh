#!/usr/bin/env bash
# Runs horalo-cli on the sample folder and compares every command's output
# and exit code with the expected files, so the native program and the
# Windows one under Wine are held to the same bytes.
#   same_output.sh [--update] RUNNER...   (RUNNER: the program, or wine-exec.sh DIR program.exe)
# A zone without daylight saving: Wine's C runtime reads the rules of a
# zone name its own way, a plain offset it reads as Linux does.
set -u
here=$(cd "$(dirname "$0")" && pwd)
update=false
if [ "${1:-}" = --update ]; then update=true; shift; fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$here/sample/horalo.log" "$here/sample/horalo.spc" "$here/sample/settings.bin" "$work/"
cd "$work" || exit 2

cases=(
  "month-table|month 2026-01"
  "month-csv|month 2026-01 --format csv"
  "month-json|month 2026-03 --format json --work 8:00"
  "rows-json|rows 2026-02 --format json"
  "rows-table|rows 2026-01"
  "year|year 2026"
  "check|check"
  "export-csv|export --format csv"
  "export-json|export --from 2026-02 --to 2026-03 --format json"
  "holidays|holidays 2026"
)
status=0
for entry in "${cases[@]}"; do
  name=${entry%%|*}
  read -r -a args <<<"${entry#*|}"
  # The settings are the sample's, never those of a registry around.
  TZ=JST-9 "$@" "${args[@]}" --settings settings.bin >"$work/out" 2>/dev/null </dev/null
  code=$?
  printf 'exit %s\n' "$code" >>"$work/out"
  if $update; then
    cp "$work/out" "$here/expected/$name.txt"
  elif ! cmp -s "$work/out" "$here/expected/$name.txt"; then
    echo "$name: the output differs from expected/$name.txt:"
    diff "$here/expected/$name.txt" "$work/out" | head -20
    status=1
  fi
done
[ -n "$(ls -A "$work" | grep -v -e '^horalo.log$' -e '^horalo.spc$' -e '^settings.bin$' -e '^out$')" ] && {
  echo "a command left a file behind"; status=1; }
exit $status
