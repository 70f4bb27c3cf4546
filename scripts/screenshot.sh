#!/usr/bin/env bash
# Takes a screenshot of the real main window under a virtual X server and writes it as a PNG
# (default docs/screenshot.png). Nothing is ever opened or started (MEVRIK_DRY_RUN=1), and the
# configuration file goes to a temporary folder.
#   scripts/screenshot.sh [OUT.png] [SETTLE_SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-docs/screenshot.png}
settle=${2:-2}
program="${MEVRIK_BUILD_DIR:-build}/app/mevrik"
[ -x "$program" ] || ./scripts/build.sh --target mevrik

work=$(mktemp -d)
display_file="$work/display"
cleanup() {
  [ -n "${app_pid:-}" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# -br: a black root, which the final trim cuts away around the window.
Xvfb -displayfd 3 -screen 0 800x400x24 -br -noreset -nolisten tcp 3>"$display_file" &
xvfb_pid=$!
for _ in $(seq 50); do [ -s "$display_file" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$display_file")"

MEVRIK_DRY_RUN=1 QT_QPA_PLATFORM=xcb "$program" --config-dir "$work" &
app_pid=$!
for _ in $(seq 100); do [ -f "$work/VEXTAL_Config.ini" ] && break; sleep 0.1; done
sleep "$settle"

mkdir -p "$(dirname "$out")"
import -window root png:- | convert png:- -trim +repage "$out"
echo "$out"
