#!/usr/bin/env bash
# Pictures of every state the windows mark with a colour (auto-copy, the size text, the weight's
# detail lines, the pipe window's boxes) from the Linux build and from the Windows build under
# Wine in the native Windows style, side by side in one PNG: Linux on the left. Needs both
# builds (scripts/build.sh, scripts/windows.sh).
#   scripts/colour-marks-screenshots.sh [OUT.png]   (default docs/windows-colours.png)
set -euo pipefail
cd "$(dirname "$0")/.."
[ -n "${MEVRIK_XVFB:-}" ] || MEVRIK_XVFB_SCREEN=1280x800 exec scripts/with-xvfb.sh "$0" "$@"
out=${1:-docs/windows-colours.png}
./scripts/build.sh --target colour_marks_screenshot
cmake --build build-windows/mingw --target colour_marks_screenshot
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/linux" "$work/windows"
export MEVRIK_DRY_RUN=1
QT_QPA_PLATFORM=xcb build/tests/app/colour_marks_screenshot "$work/linux"
./scripts/wine-run.sh build-windows/mingw/tests/app/colour_marks_screenshot.exe \
  "Z:${work//\//\\}\\windows"
for system in linux windows; do
  convert "$work/$system/main.png" "$work/$system/pipe.png" -background white -gravity north \
    -splice 0x10 -append "$work/$system.png"
done
convert "$work/linux.png" "$work/windows.png" -background white -gravity west -splice 20x0 \
  +append "$out"
echo "$out"
