#!/usr/bin/env bash
# Runs horalo-cli on the sample folder and compares every command's output
# and exit code with the expected files, so the native program and the
# Windows one under Wine are held to the same bytes.
#   same_output.sh [--update] RUNNER...   (RUNNER: the program, or wine-exec.sh DIR program.exe)
# Each case runs in a zone of its own: a plain offset, as the README's
# examples, or a zone name with daylight saving, as most users have TZ.
set -u
here=$(cd "$(dirname "$0")" && pwd)
update=false
if [ "${1:-}" = --update ]; then update=true; shift; fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp "$here/sample/horalo.log" "$here/sample/horalo.spc" "$here/sample/settings.bin" "$work/"
cd "$work" || exit 2
# Noon UTC on 15 January and on 15 July 2026: Berlin's 13:00 and 14:00; then
# the first second past signed 32 bits and the last second of the field.
mkdir berlin
printf '\x01\x00\x00\x00\xc0\xd6\x68\x69\x00\x00\x00\x00\x40\x76\x57\x6a' >berlin/horalo.log
printf '\x01\x00\x00\x00\x00\x00\x00\x80\x00\x00\x00\x00\xff\xff\xff\xff' >>berlin/horalo.log

cases=(
  "month-table|JST-9|month 2026-01"
  "month-csv|JST-9|month 2026-01 --format csv"
  "month-json|JST-9|month 2026-03 --format json --work 8:00"
  "rows-json|JST-9|rows 2026-02 --format json"
  "rows-table|JST-9|rows 2026-01"
  "year|JST-9|year 2026"
  "check|JST-9|check"
  "export-csv|JST-9|export --format csv"
  "export-json|JST-9|export --from 2026-02 --to 2026-03 --format json"
  "holidays|JST-9|holidays 2026"
  "export-berlin|Europe/Berlin|export --folder berlin --format csv"
)
status=0
for entry in "${cases[@]}"; do
  IFS='|' read -r name zone line <<<"$entry"
  read -r -a args <<<"$line"
  # The settings are the sample's, never those of a registry around.
  TZ=$zone "$@" "${args[@]}" --settings settings.bin >"$work/out" 2>/dev/null </dev/null
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
[ -n "$(ls -A "$work" | grep -v -e '^horalo.log$' -e '^horalo.spc$' -e '^settings.bin$' -e '^out$' -e '^berlin$')" ] && {
  echo "a command left a file behind"; status=1; }
exit $status
