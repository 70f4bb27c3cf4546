#!/usr/bin/env bash
# The performance figures against their targets (docs/performance.md): the window's start-up and
# memory beside an empty Qt window, the tool windows on first use, the start-up with many links,
# the terminal calculator beside bc, and, after scripts/windows.sh, the Windows window's start-up
# under Wine. Builds what it needs; takes a few minutes.
#   scripts/performance.sh [ROUNDS]
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(mktemp)
trap 'rm -f "$out"' EXIT
./scripts/cli-bench.sh | tee -a "$out"
./scripts/startup-bench.sh "${1:-21}" | tee -a "$out"
if [ -f build-windows/mingw/CMakeCache.txt ]; then
  ./scripts/windows-startup-bench.sh "${1:-21}" | tee -a "$out"
else
  echo "figure Windows start-up under Wine: not measured (no Windows build: scripts/windows.sh)" >>"$out"
fi
echo
echo "== Figures ($(date -u '+%Y-%m-%d %H:%M UTC'), $(nproc) cores: $(sed -n 's/^model name\s*: //p' /proc/cpuinfo | head -n 1))"
sed -n 's/^figure //p' "$out"
