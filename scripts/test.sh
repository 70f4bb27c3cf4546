#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite with CTest.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh
export MEVRIK_DRY_RUN=1
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
ctest --test-dir "${MEVRIK_BUILD_DIR:-build}" --output-on-failure --parallel "$(nproc)" --timeout 300
