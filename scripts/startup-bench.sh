#!/usr/bin/env bash
# Measures the main window's start-up against an empty Qt window built the same way (and the same
# window with one line of Chinese text): time from process start to the window mapped, CPU time
# and resident memory a second later (medians).
#   scripts/startup-bench.sh [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
[ -n "${MEVRIK_XVFB:-}" ] || exec scripts/with-xvfb.sh "$0" "$@"
build=${MEVRIK_BUILD_DIR:-build}
./scripts/build.sh --target mevrik minimal_window window_startup >/dev/null
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
export MEVRIK_DRY_RUN=1 QT_QPA_PLATFORM=xcb
"$build/bench/window_startup" "${1:-9}" "$build/bench/minimal_window" \
  -- "$build/bench/minimal_window" --chinese \
  -- "$build/app/mevrik" --config-dir "$config"
