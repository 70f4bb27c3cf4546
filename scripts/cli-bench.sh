#!/usr/bin/env bash
# CPU time of the terminal calculator for one expression against `bc -l` for the same line:
# whole processes, start-up and loading included, run in pairs (bench/cpu_pairs.cpp).
#   scripts/cli-bench.sh [ROUNDS]
# The last line is the figure against its target ("figure ..."), as scripts/performance.sh
# collects it.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${MEVRIK_BUILD_DIR:-build}
rounds=${1:-301}
./scripts/build.sh --target mevrik-cli cpu_pairs >/dev/null
line='(1+2)*3/7+2^10'
input=$(mktemp)
trap 'rm -f "$input"' EXIT
echo "$line" >"$input"
echo "== One expression, $rounds paired rounds: mevrik-cli eval '$line' against bc -l"
"$build/bench/cpu_pairs" "$rounds" "$input" "$build/cli/mevrik-cli" eval "$line" \
  -- "$(command -v bc)" -l | tee "$input.out"
ratio=$(sed -n 's/^ratio \([0-9.]*\).*/\1/p' "$input.out")
rm -f "$input.out"
printf 'figure terminal, one expression: %.2fx the CPU time of bc -l (median of %d pairs; target <= 1.0x): %s\n' \
  "$ratio" "$rounds" "$(awk -v a="$ratio" 'BEGIN { print (a <= 1.0 ? "met" : "NOT MET") }')"
