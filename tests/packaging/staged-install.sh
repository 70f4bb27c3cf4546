#!/usr/bin/env bash
# An installation into a staging root holds the expected files, and the program started from
# there by an unprivileged user with an empty HOME shows its main window and no box, keeps its
# file in $HOME/.config/mevrik/, and a second start finds what the first one kept (the history).
# Runs on the X server of scripts/with-xvfb.sh, where its windows can be seen and typed into.
#   staged-install.sh BUILD_DIR DESKTOP_ID
set -euo pipefail
build=$1 id=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
stage=$work/stage home=$work/home
DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null

expected="usr/bin/mevrik
usr/bin/mevrik-cli
usr/share/applications/$id.desktop
usr/share/icons/hicolor/128x128/apps/$id.png
usr/share/icons/hicolor/16x16/apps/$id.png
usr/share/icons/hicolor/24x24/apps/$id.png
usr/share/icons/hicolor/256x256/apps/$id.png
usr/share/icons/hicolor/32x32/apps/$id.png
usr/share/icons/hicolor/48x48/apps/$id.png
usr/share/icons/hicolor/64x64/apps/$id.png
usr/share/icons/hicolor/scalable/apps/$id.svg
usr/share/man/man1/mevrik-cli.1.gz
usr/share/man/man1/mevrik.1.gz
usr/share/metainfo/$id.metainfo.xml"
diff <(echo "$expected") <(cd "$stage" && find . -type f | sed 's|^\./||' | LC_ALL=C sort)

# Root could write beside the program, so the program runs as nobody, as a desktop user would.
mkdir "$home"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody:nogroup "$home"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi

# Types an expression, calculates it, and leaves through 计算类型 > 退  出 (the last item), which
# keeps the history in the file.
start_calculate_and_quit() {
  "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$DISPLAY" LANG=C.UTF-8 \
    QT_QPA_PLATFORM=xcb MEVRIK_DRY_RUN=1 "$stage/usr/bin/mevrik" &
  local pid=$!
  local window
  window=$(timeout 30 xdotool search --sync --onlyvisible --name '^Mevrik')
  local shown
  shown=$(xdotool search --onlyvisible --name . | wc -l)
  [ "$shown" -eq 1 ] || { echo "a box or another window is shown ($shown windows)" >&2; exit 1; }
  xdotool windowfocus --sync "$window"
  xdotool type --delay 30 "$1"
  xdotool key Return alt+f
  # The menu's popup is the program's second window on the screen.
  for _ in $(seq 100); do
    [ "$(xdotool search --onlyvisible --class mevrik | wc -l)" -ge 2 ] && break
    sleep 0.1
  done
  xdotool key Up Return
  timeout 30 tail --pid="$pid" -f /dev/null
}

config=$home/.config/mevrik/VEXTAL_Config.ini
start_calculate_and_quit "1+2"
[ -f "$config" ] || { echo "no $config" >&2; exit 1; }
[ ! -e "$stage/usr/bin/VEXTAL_Config.ini" ] || { echo "file beside the program" >&2; exit 1; }
start_calculate_and_quit "3*4"
# The second start loaded "1+2", so both are kept; a start that found nothing keeps only "3*4".
grep -aq '0=3\*4' "$config" && grep -aq '1=1+2' "$config" ||
  { echo "the second start did not find the first one's history:" >&2; cat "$config" >&2; exit 1; }
