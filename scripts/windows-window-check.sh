#!/usr/bin/env bash
# windows-window-check.sh ZIP [SCREENSHOT.png]
# The Windows window as a person meets it: the portable zip unpacked into a new folder, and
# mevrik.exe started under Wine on a private virtual X server. Typing (12+3)*4-2^3 and Enter
# must show 52.00 and put it on the clipboard; a second start must hand over to the first and end
# with status 0, leaving one window; the settings file must be written beside the program, hidden,
# in GBK, holding the expression in its history after the window closes. With SCREENSHOT, the
# window is pictured after the calculation with a weight kind chosen. Nothing is ever opened or
# started (MEVRIK_DRY_RUN=1).
set -euo pipefail
cd "$(dirname "$0")/.."
[ -n "${MEVRIK_XVFB:-}" ] || exec scripts/with-xvfb.sh "$0" "$@"
zip=$(realpath "$1")
shot=${2:+$(realpath -m "$2")}
export MEVRIK_DRY_RUN=1
wine_run=./scripts/wine-run.sh
folder=$(mktemp -d)
trap 'kill "${first:-}" 2>/dev/null || true; rm -rf "$folder"' EXIT
unzip -q "$zip" -d "$folder"
ini=$folder/VEXTAL_Config.ini

fail() { echo "windows-window-check: $*" >&2; exit 1; }
# until SECONDS COMMAND...: retries COMMAND until it succeeds or the time is up.
until_ok() {
  local end=$((SECONDS + $1))
  shift
  until "$@"; do [ $SECONDS -lt $end ] || return 1; sleep 0.2; done
}
windows() { xdotool search --onlyvisible --class 'mevrik.exe' 2>/dev/null | wc -l; }

"$wine_run" "$folder/mevrik.exe" 2>"$folder.log" &
first=$!
until_ok 60 test -f "$ini" || fail "no settings file beside the program: $(ls -a "$folder")"
until_ok 30 test "$(windows)" -ge 1 || fail "no window"
window=$(xdotool search --onlyvisible --class 'mevrik.exe' | head -n 1)
sleep 1
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
xdotool type --delay 30 '(12+3)*4-2^3'
xdotool key Return
until_ok 10 test "$(xclip -o -selection clipboard 2>/dev/null)" = 52.00 ||
  fail "the clipboard holds '$(xclip -o -selection clipboard 2>/dev/null || true)', not 52.00"

# A second start gives its command line to the first and ends; still one window.
timeout 60 "$wine_run" "$folder/mevrik.exe" || fail "the second start ended with status $?"
sleep 1
[ "$(windows)" -eq 1 ] || fail "$(windows) windows after a second start"

if [ -n "$shot" ]; then
  xdotool key alt+w  # the weight menu: the first kind after the expression
  sleep 0.5
  xdotool key Down Return
  sleep 1
  import -window root png:- | convert png:- -trim +repage "$shot"
fi

attributes=$("$wine_run" cmd /c attrib "Z:${ini//\//\\}" 2>/dev/null | tr -d '\r')
[[ ${attributes%%Z:*} == *H* ]] || fail "the settings file is not hidden: $attributes"

xdotool windowclose "$window" 2>/dev/null || xdotool key --window "$window" alt+F4
until_ok 30 sh -c "! kill -0 $first 2>/dev/null" || fail "the window did not close"
first=
iconv -f GBK -t UTF-8 "$ini" >/dev/null || fail "the settings file is not GBK"
grep -qF '(12+3)*4-2^3' "$ini" || fail "the expression is not in the saved history"
echo "windows-window-check: the window calculated, copied, handed over and saved its settings"
