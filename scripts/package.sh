#!/usr/bin/env bash
# Builds the Debian package build/mevrik_<version>_<arch>.deb (or in $MEVRIK_BUILD_DIR): installs
# what is missing, builds the two programs and the man pages, and packs them with CPack, which
# finds the library dependencies with dpkg-shlibdeps. Install it with
#   sudo apt-get install ./build/mevrik_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/install-deps.sh
./scripts/build.sh --target mevrik mevrik-cli mevrik_man
build_dir=${MEVRIK_BUILD_DIR:-build}
(cd "$build_dir" && cpack -G DEB)
ls "$build_dir"/mevrik_*.deb
