#!/usr/bin/env bash
# Installs what is missing, builds, and starts the main window. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh --target mevrik
exec "${MEVRIK_BUILD_DIR:-build}/app/mevrik" "$@"
