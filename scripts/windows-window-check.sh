#!/usr/bin/env bash
# windows-window-check.sh ZIP LINUX_CLI [SCREENSHOT.png]
# The Windows window as a person meets it: the portable zip unpacked into a new folder with a
# Chinese name, and mevrik.exe started under Wine on a private virtual X server. "--help" must
# name the Windows folders and the file this start uses, in GBK. Typing (12+3)*4-2^3 and Enter
# must show 52.00 and put it on the clipboard; a second start must hand over to the first and end
# with status 0, leaving one window; the angle's weight, chosen and typed with the mouse and keys,
# must be what the Linux terminal program gives; the settings file beside the program, in GBK
# (the code page of Chinese Windows), must be hidden and stay GBK, holding the expression in its
# history after the window closes. With
# SCREENSHOT, the window is pictured with the angle's weight. Nothing is ever opened or started
# (MEVRIK_DRY_RUN=1).
set -euo pipefail
cd "$(dirname "$0")/.."
[ -n "${MEVRIK_XVFB:-}" ] || MEVRIK_XVFB_SCREEN=1024x600 exec scripts/with-xvfb.sh "$0" "$@"
zip=$(realpath "$1")
linux_cli=$(realpath "$2")
shot=${3:+$(realpath -m "$3")}
export MEVRIK_DRY_RUN=1
source scripts/windows-check-lib.sh
# Unpacked as users do, into a folder with a Chinese name.
top=$(mktemp -d)
folder=$top/工具
trap 'kill "${first:-}" 2>/dev/null || true; rm -rf "$top"' EXIT
unzip -q "$zip" -d "$folder"
ini=$folder/VEXTAL_Config.ini
gbk() { printf '%s' "$1" | iconv -f UTF-8 -t GBK; }
gbk $'[计算式]\r\n数量=1\r\n记录0=1+1\r\n' >"$ini"

# --help names the Windows folders and the file this start uses, in the code page of Chinese
# Windows (GBK) when its output goes to a file or a pipe.
windows_path() { printf 'Z:%s' "${1//\//\\}"; }
help=$(env LC_ALL=zh_CN.UTF-8 "$wine_run" "$folder/mevrik.exe" --help 2>/dev/null | iconv -f GBK -t UTF-8) ||
  fail "mevrik.exe --help wrote no GBK text"
grep -qF '%APPDATA%\mevrik\' <<<"$help" || fail "mevrik.exe --help does not name %APPDATA%\mevrik"
grep -qF '~/.config' <<<"$help" && fail "mevrik.exe --help names a Linux folder"
grep -qxF "此次启动使用 / This start uses: $(windows_path "$ini")" <<<"$help" ||
  fail "mevrik.exe --help does not name this start's file: $(tail -n 1 <<<"$help")"

"$wine_run" "$folder/mevrik.exe" 2>"$folder.log" &
first=$!
# The start writes the defaults it reads, in the file's own encoding.
gbk_holds() { grep -qF "$(gbk "$1")" "$ini"; }
until_ok 60 gbk_holds '[定时关机]' || fail "the settings file beside the program did not get its defaults in GBK"
window=$(calculate_first_expression)

# A second start gives its command line to the first and ends; still one window.
timeout 60 "$wine_run" "$folder/mevrik.exe" || fail "the second start ended with status $?"
sleep 1
[ "$(windows)" -eq 1 ] || fail "$(windows) windows after a second start"

# The angle from the toolbar, then a length typed as a product. The places are the window's own
# (in pixels from its corner), as a person sees them.
xdotool mousemove --window "$window" 355 42 click 1
until_ok 10 clipboard_holds "$("$linux_cli" weight 角钢 | head -n 1)" ||
  fail "the angle's default weight is '$(clipboard)' on the clipboard"
xdotool mousemove --window "$window" 305 76 click 1
sleep 0.5
xdotool key End shift+Home  # the weight boxes take no control characters, so no Ctrl+A
xdotool type --delay 30 '2*3000'
until_ok 10 clipboard_holds "$("$linux_cli" weight 角钢 --length '2*3000' | head -n 1)" ||
  fail "the angle's weight for 2*3000 mm is '$(clipboard)' on the clipboard"
[ -z "$shot" ] || import -window root png:- | convert png:- -trim +repage "$shot"

attributes=$("$wine_run" cmd /c attrib "$(windows_path "$ini")" 2>/dev/null | tr -d '\r')
[[ ${attributes%%Z:*} == *H* ]] || fail "the settings file is not hidden: $attributes"

close_window "$first"
first=
iconv -f GBK -t UTF-8 "$ini" | grep -qxF $'记录0=(12+3)*4-2^3\r' ||
  fail "the expression is not first in the saved history, in GBK"
gbk_holds '记录1=1+1' || fail "the earlier history entry is not kept, in GBK"
echo "windows-window-check: the window calculated, copied, handed over and saved its settings"
