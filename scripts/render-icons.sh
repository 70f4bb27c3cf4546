#!/usr/bin/env bash
# Renders the program's icon (app/icons/mevrik.svg) into the PNG sizes that the window and the
# icon theme use (app/icons/mevrik-N.png), and into the icon file of the Windows programs
# (app/icons/mevrik.ico) with every size Windows asks for: 16 to 256 pixels, including the
# in-between sizes of 125 %, 150 % and 175 % scaling, each stored as a PNG. Run after changing
# the drawing; the results are kept in the repository so that a build needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")/../app/icons"
command -v rsvg-convert >/dev/null || ../../scripts/install-deps.sh
command -v icotool >/dev/null || ../../scripts/apt-install.sh icoutils
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" mevrik.svg -o "mevrik-$size.png"
done
windows=$(mktemp -d)
trap 'rm -rf "$windows"' EXIT
ico=()
for size in 16 20 24 30 32 36 40 48 60 64 72 80 96 256; do
  rsvg-convert -w "$size" -h "$size" mevrik.svg -o "$windows/$size.png"
  ico+=(-r "$windows/$size.png")
done
icotool -c -o mevrik.ico "${ico[@]}"
