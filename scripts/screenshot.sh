#!/usr/bin/env bash
# Takes a screenshot of the real main window under a virtual X server and writes it as a PNG
# (default docs/screenshot.png). Nothing is ever opened or started (MEVRIK_DRY_RUN=1), and the
# configuration file goes to a temporary folder.
#   scripts/screenshot.sh [OUT.png] [SETTLE_SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
[ -n "${MEVRIK_XVFB:-}" ] || exec scripts/with-xvfb.sh "$0" "$@"
out=${1:-docs/screenshot.png}
settle=${2:-2}
program="${MEVRIK_BUILD_DIR:-build}/app/mevrik"
[ -x "$program" ] || ./scripts/build.sh --target mevrik

config=$(mktemp -d)
trap 'kill "$app_pid" 2>/dev/null || true; rm -rf "$config"' EXIT
MEVRIK_DRY_RUN=1 QT_QPA_PLATFORM=xcb "$program" --config-dir "$config" &
app_pid=$!
for _ in $(seq 100); do [ -f "$config/VEXTAL_Config.ini" ] && break; sleep 0.1; done
sleep "$settle"

mkdir -p "$(dirname "$out")"
import -window root png:- | convert png:- -trim +repage "$out"
echo "$out"
