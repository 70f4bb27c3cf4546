#!/usr/bin/env bash
# windows-installer-check.sh SETUP.exe VERSION
# The installer as an IT department and a user meet it, under Wine on a private virtual X
# server: a silent install (/S) puts the programs into the user's programs folder with a
# Start-menu entry and an entry under Apps & features (icon, version, publisher); the window
# started from the Start-menu shortcut calculates (12+3)*4-2^3 = 52.00 onto the clipboard and
# keeps its settings in %APPDATA%\mevrik, never in the program folder; a second install over it
# replaces the programs in place and keeps the settings; the silent uninstall removes everything
# it installed and leaves the settings. While the window runs, both refuse and change nothing. Nothing is ever opened or started (MEVRIK_DRY_RUN=1).
set -euo pipefail
cd "$(dirname "$0")/.."
[ -n "${MEVRIK_XVFB:-}" ] || MEVRIK_XVFB_SCREEN=1024x600 exec scripts/with-xvfb.sh "$0" "$@"
setup=$(realpath "$1")
version=$2
export MEVRIK_DRY_RUN=1
source scripts/windows-check-lib.sh

# A prefix of its own, so that nothing of an earlier install or of the tests is found.
WINEPREFIX=$(mktemp -d)
export WINEPREFIX
trap 'kill "${first:-}" 2>/dev/null || true; "$wine_run" wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
"$wine_run" wineboot --init >/dev/null 2>&1
"$wine_run" wineserver -w
user=$WINEPREFIX/drive_c/users/$(id -un)
folder=$user/AppData/Local/Programs/Mevrik
shortcut=$user/'AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Mevrik 工程计算器.lnk'
settings=$user/AppData/Roaming/mevrik/VEXTAL_Config.ini
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Mevrik'
installed() { ls "$folder" 2>/dev/null | tr '\n' ' '; }
uninstall_entry() { "$wine_run" reg query "$key" /v "$1" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$1 *REG_[A-Z_]* *//p"; }
install() {
  "$wine_run" "$setup" /S || fail "the silent install ended with status $?"
  [ "$(installed)" = "mevrik-cli.exe mevrik.exe uninstall.exe " ] || fail "installed: $(installed)"
  [ -f "$shortcut" ] || fail "no Start-menu entry"
  [ "$(uninstall_entry DisplayVersion)" = "$version" ] || fail "Apps & features shows version '$(uninstall_entry DisplayVersion)'"
  [ "$(uninstall_entry Publisher)" = Mevrik ] || fail "Apps & features shows no publisher"
  [[ $(uninstall_entry DisplayIcon) == *'\Mevrik\mevrik.exe,0' ]] || fail "Apps & features shows no icon"
}

install
# The shortcut as Explorer opens it; "start /wait" ends when the window does.
"$wine_run" start /wait /unix "$shortcut" 2>/dev/null &
first=$!
calculate_first_expression >/dev/null
# While it runs, neither an install over it nor the uninstaller (run in place, to see its status)
# may change anything.
"$wine_run" "$setup" /S && fail "the install over the running program reported success"
"$wine_run" "$folder/uninstall.exe" /S _?="$("$wine_run" winepath -w "$folder")" &&
  fail "the uninstall of the running program reported success"
[ "$(installed)" = "mevrik-cli.exe mevrik.exe uninstall.exe " ] || fail "left after refusals: $(installed)"
close_window "$first"
first=
grep -qxF $'记录0=(12+3)*4-2^3\r' "$settings" || fail "the history is not in %APPDATA%\\mevrik"
[ ! -e "$folder/VEXTAL_Config.ini" ] || fail "the installed copy wrote its settings into the program folder"

install  # over the installed copy
grep -qxF $'记录0=(12+3)*4-2^3\r' "$settings" || fail "the install over it lost the settings"

# The uninstaller copies itself away to delete itself, so its start returns at once.
"$wine_run" "$folder/uninstall.exe" /S || fail "the silent uninstall ended with status $?"
gone() { [ ! -e "$folder" ]; }
until_ok 60 gone || fail "left in the program folder: $(installed)"
[ ! -e "$shortcut" ] || fail "the Start-menu entry is left"
"$wine_run" reg query "$key" >/dev/null 2>&1 && fail "the Apps & features entry is left"
grep -qxF $'记录0=(12+3)*4-2^3\r' "$settings" || fail "the uninstall did not keep the settings"
echo "windows-installer-check: installed, calculated from the Start menu, upgraded and uninstalled, settings kept"
