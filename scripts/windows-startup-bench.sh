#!/usr/bin/env bash
# windows-startup-bench.sh [ROUNDS]
# The Windows window's start-up under Wine against an empty window with one line of Chinese text
# built with the same static Qt (build-windows/mingw, made by scripts/windows.sh), timed by
# bench/window_startup round by round on one virtual display (the two in turn, every other round
# in reverse order): from the start of the process to its window mapped. Both pay Wine's start
# alike; one Wine server, kept running, serves every start. The last line is the figure
# ("figure ..."), as scripts/performance.sh collects it.
set -euo pipefail
cd "$(dirname "$0")/.."
[ -n "${MEVRIK_XVFB:-}" ] || exec scripts/with-xvfb.sh "$0" "$@"
rounds=${1:-11}
windows=build-windows/mingw
./scripts/build.sh --target window_startup >/dev/null
cmake --build "$windows" --target mevrik minimal_window >/dev/null
work=$(mktemp -d)
wine_run=./scripts/wine-run.sh
trap '"$wine_run" wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
export MEVRIK_DRY_RUN=1
"$wine_run" wineserver -p 60 2>/dev/null || true
"$wine_run" "$windows/cli/mevrik-cli.exe" --help </dev/null >/dev/null 2>&1  # Wine's services
config="Z:${work//\//\\}"

echo "== Windows start-up under Wine, $rounds rounds (ratio: to the Chinese window of the same round)"
"${MEVRIK_BUILD_DIR:-build}/bench/window_startup" "$rounds" \
  --label chinese-window "$wine_run" "$windows/bench/minimal_window.exe" --chinese \
  -- --label mevrik.exe "$wine_run" "$windows/app/mevrik.exe" --config-dir "$config" | tee "$work/start.txt"
ratio=$(awk -F'\t' '$1 == "median" && $2 == "mevrik.exe" { print $4 }' "$work/start.txt")
printf 'figure Windows start-up under Wine: %.2fx the Chinese window (median of %d rounds; target <= 1.15x): %s\n' \
  "$ratio" "$rounds" "$(awk -v a="$ratio" 'BEGIN { print (a + 0 <= 1.15 ? "met" : "NOT MET") }')"
