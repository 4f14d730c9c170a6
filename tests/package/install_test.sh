#!/usr/bin/env bash
# A new user's first minute, under Wine in a prefix of its own, made afresh:
#   install_test.sh SETUP.EXE PORTABLE-de.ZIP WINE_DIR QUIT.EXE
# The silent installer puts the program in place for this user alone; Horalo
# starts from there and records the start of work; an update while it runs
# switches the language and leaves it recording; the silent uninstaller ends
# it (end of work recorded), removes the program and the autostart value and
# keeps the time log and the settings, unless asked to remove them too. The
# portable zip starts and records as it is unpacked.
set -u
setup=$(realpath "$1") zip=$(realpath "$2") quit=$(realpath "$4")
dir=$(mkdir -p "$3" && cd "$3" && pwd)
scripts=$(cd "$(dirname "$0")/../../scripts" && pwd)
"$scripts/wine-prefix.sh" start "$dir" >/dev/null || exit 1
trap '"$scripts/wine-prefix.sh" stop "$dir" >/dev/null' EXIT
source "$scripts/wine-env.sh" "$dir"

failures=0
check() {  # check "what" command...
  local what=$1; shift
  if "$@" >/dev/null 2>&1; then echo "ok: $what"; else echo "FAILED: $what" >&2; failures=$((failures + 1)); fi
}
run() { "$wine_bin" "$@" </dev/null 2>/dev/null | tr -d '\r'; }
# For what may start Horalo: a pipe it inherited would never close.
quiet() { "$wine_bin" "$@" </dev/null >/dev/null 2>&1; }
wait_for() {  # wait_for SECONDS command...: until the command succeeds
  local seconds=$1; shift
  for _ in $(seq $((seconds * 5))); do "$@" >/dev/null 2>&1 && return 0; sleep 0.2; done
  return 1
}
registry_has() { run reg query "$1" /v "$2" | grep -q "$2"; }
registry_key() { quiet reg query "$1"; }
# A copy of the installed horalo-cli.exe reads the log, also once the
# uninstaller has removed the program.
records() { run "$dir/horalo-cli.exe" export --folder "$1" | cut -d, -f2 | tail -n +2 | tr '\n' ' '; }
records_are() { [ "$(records "$1")" = "$2" ]; }
not() { ! "$@"; }
autostart_is() { run reg query "$run_key" /v 'PW Horalo' | grep -qiF "$1"; }
start_horalo() { (cd "$1" && setsid "$wine_bin" horalo.exe </dev/null >/dev/null 2>&1 &); }
end_horalo() { quiet "$quit"; }

run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Horalo'
settings_key='HKCU\Software\Pellwick\HORALO'
local_data=$(run cmd /c echo %LOCALAPPDATA%)
win_folder="$local_data\\Programs\\Horalo"
folder=$("$wine_bin" winepath -u "$win_folder" 2>/dev/null)
start_menu=$("$wine_bin" winepath -u "$(run cmd /c echo %APPDATA%)\\Microsoft\\Windows\\Start Menu\\Programs\\Horalo" 2>/dev/null)

echo "== silent install"
quiet "$setup" /S
for file in horalo.exe HoraloRDLL.dll horalo-cli.exe HORALO.CHM horalo.spc horalo.frm uninstall.exe \
            languages/en/HoraloRDLL.dll languages/de/HoraloRDLL.dll; do
  check "installed $file" test -s "$folder/$file"
done
check "English unless German is asked for" cmp "$folder/HoraloRDLL.dll" "$folder/languages/en/HoraloRDLL.dll"
check "with the English form" cmp "$folder/horalo.frm" "$folder/languages/en/horalo.frm"
check "Start-menu entry" test -s "$start_menu/Horalo.lnk"
check "registered uninstaller" registry_has "$uninstall_key" UninstallString
check "installed without a time log" test ! -e "$folder/horalo.log"
cp "$folder/horalo-cli.exe" "$dir/"

echo "== first start"
start_horalo "$folder"
check "records the start of work" wait_for 30 records_are "$win_folder" "WorkStart "
check "writes the autostart value" wait_for 10 registry_has "$run_key" "PW Horalo"
check "autostart names the installed program" autostart_is "$win_folder\\horalo.exe"

echo "== update while Horalo runs, to German"
quiet "$setup" /S /LANGUAGE=de
check "German after the update" cmp "$folder/HoraloRDLL.dll" "$folder/languages/de/HoraloRDLL.dll"
check "the update keeps the form in use" cmp "$folder/horalo.frm" "$folder/languages/en/horalo.frm"
check "Horalo goes on recording, without an end and a second start" records_are "$win_folder" "WorkStart "

echo "== silent uninstall while Horalo runs"
quiet "$folder/uninstall.exe" /S
check "program removed" wait_for 30 test ! -e "$folder/horalo.exe"
check "Horalo was ended and recorded the end of work" records_are "$win_folder" "WorkStart WorkEnd "
cp "$folder/horalo.log" "$dir/horalo.log.before"
check "uninstaller removed itself" wait_for 30 test ! -e "$folder/uninstall.exe"
for file in HoraloRDLL.dll horalo-cli.exe HORALO.CHM languages horalo.exe.old; do check "removed $file" test ! -e "$folder/$file"; done
check "Start-menu entry removed" test ! -e "$start_menu"
check "autostart value removed" not registry_has "$run_key" "PW Horalo"
check "uninstaller unregistered" not registry_key "$uninstall_key"
check "special days kept" test -s "$folder/horalo.spc"
check "settings kept" registry_has "$settings_key" SETTINGS

echo "== reinstall goes on with the kept log; uninstall /REMOVEDATA removes it"
quiet "$setup" /S
check "the kept log survives a new installation" cmp "$folder/horalo.log" "$dir/horalo.log.before"
mkdir -p "$folder/backups" && printf x >"$folder/backups/horalo.log.20260101-000000.bak"
quiet "$folder/uninstall.exe" /S /REMOVEDATA
check "program folder removed entirely" wait_for 30 test ! -e "$folder"
check "settings removed" not registry_key "$settings_key"

echo "== portable zip"
portable_dir="$dir/prefix/drive_c/portable"
rm -rf "$portable_dir" && mkdir -p "$portable_dir"
(cd "$portable_dir" && cmake -E tar xf "$zip")
check "unpacks into Horalo" test -s "$portable_dir/Horalo/horalo.exe"
check "the zip's language is German" cmp "$portable_dir/Horalo/HoraloRDLL.dll" "$portable_dir/Horalo/languages/de/HoraloRDLL.dll"
check "and so is its form" cmp "$portable_dir/Horalo/horalo.frm" "$portable_dir/Horalo/languages/de/horalo.frm"
check "unpacked without a time log" test ! -e "$portable_dir/Horalo/horalo.log"
folder="$portable_dir/Horalo"
start_horalo "$folder"
check "the unpacked program records the start of work" wait_for 30 records_are 'C:\portable\Horalo' "WorkStart "
end_horalo
check "and the end of work" wait_for 30 records_are 'C:\portable\Horalo' "WorkStart WorkEnd "

echo "== $failures failed"
[ "$failures" -eq 0 ]
