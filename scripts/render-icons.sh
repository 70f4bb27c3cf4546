#!/usr/bin/env bash
# Renders the program's icon (app/icons/mevrik.svg) into the PNG sizes that the window and the
# icon theme use (app/icons/mevrik-N.png). Run after changing the drawing; the PNGs are kept in
# the repository so that a build needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")/../app/icons"
command -v rsvg-convert >/dev/null || ../../scripts/install-deps.sh
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" mevrik.svg -o "mevrik-$size.png"
done
