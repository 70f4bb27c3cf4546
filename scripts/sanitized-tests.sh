#!/usr/bin/env bash
# Builds the core and the terminal program with AddressSanitizer and UndefinedBehaviorSanitizer
# in build-sanitize/ (no window, no benchmarks) and runs their tests once. A fault stops the
# test that met it.
set -euo pipefail
cd "$(dirname "$0")/.."
export MEVRIK_BUILD_DIR=build-sanitize
sanitized="-DMEVRIK_SANITIZE=ON -DMEVRIK_BUILD_GUI=OFF -DMEVRIK_BUILD_BENCH=OFF"
export MEVRIK_CMAKE_OPTIONS="${MEVRIK_CMAKE_OPTIONS:-} $sanitized"
./scripts/build.sh
export MEVRIK_DRY_RUN=1
export UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir build-sanitize --output-on-failure --parallel "$(nproc)" --timeout 300
