#!/usr/bin/env bash
# Builds everything but the benchmarks in build-sanitize/ as a debug build with AddressSanitizer
# and UndefinedBehaviorSanitizer, and runs the whole test suite once: core, terminal, platform
# and the windows offscreen. A debug build keeps the assertions on, ours and those that Qt's and
# the standard library's headers put into our code. A fault stops the test that met it.
set -euo pipefail
cd "$(dirname "$0")/.."
export MEVRIK_BUILD_DIR=build-sanitize
checked="-DCMAKE_BUILD_TYPE=Debug -DMEVRIK_SANITIZE=ON -DMEVRIK_BUILD_GUI=ON -DMEVRIK_BUILD_BENCH=OFF"
export MEVRIK_CMAKE_OPTIONS="${MEVRIK_CMAKE_OPTIONS:-} $checked"
./scripts/build.sh
export MEVRIK_DRY_RUN=1
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir build-sanitize --output-on-failure --parallel "$(nproc)" --timeout 600
