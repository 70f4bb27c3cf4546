#!/usr/bin/env bash
# Builds the expression fuzzer through CMake with clang (address and undefined-behaviour checks)
# and runs it for the given number of seconds: fuzz/run.sh 600 [more libFuzzer options]. The
# corpus grows in fuzz-build/corpus; a finding is written to fuzz-build/ as crash-* or timeout-*.
set -euo pipefail
seconds=${1:?usage: fuzz/run.sh SECONDS [libFuzzer options]}
shift
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/fuzz-build
mkdir -p "$out/corpus"
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
command -v ccache >/dev/null && generator+=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
if [ ! -f "$out/CMakeCache.txt" ]; then
  cmake -S "$root" -B "$out" "${generator[@]}" -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DMEVRIK_BUILD_FUZZ=ON -DMEVRIK_BUILD_GUI=OFF \
    -DMEVRIK_BUILD_TESTS=OFF -DMEVRIK_BUILD_BENCH=OFF
fi
cmake --build "$out" --target expr_fuzzer
# Seeds: the first byte picks the angle setup, the others index the fuzzer's alphabet.
seed() { printf '%b' "$2" >"$out/corpus/$1"; }
seed sum '\x02\x01\x0d\x02\x0f\x03'               # 1+2*3
seed group '\x02\x0b\x01\x0d\x02\x0c\x0e\x03'      # (1+2)-3
seed sine '\x06\x19\x1c\x1e\x03\x00\x27'          # Sin30°
cd "$out"
fuzz/expr_fuzzer -max_total_time="$seconds" -max_len=4096 -timeout=10 -print_final_stats=1 "$@" corpus
