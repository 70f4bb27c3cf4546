#!/usr/bin/env bash
# Configures and builds into ./build (or $MEVRIK_BUILD_DIR). Extra arguments go to the build,
# e.g. "--target mevrik".
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${MEVRIK_BUILD_DIR:-build}
generator=()
command -v ninja >/dev/null && generator=(-G Ninja)
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Further cache options, e.g. MEVRIK_CMAKE_OPTIONS="-DMEVRIK_WARNINGS_AS_ERRORS=ON" (CI).
read -ra options <<<"${MEVRIK_CMAKE_OPTIONS:-}"
if [ ! -f "$build_dir/CMakeCache.txt" ]; then
  cmake -S . -B "$build_dir" "${generator[@]}" "${launcher[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    "${options[@]}"
elif [ ${#options[@]} -gt 0 ]; then
  cmake -S . -B "$build_dir" "${options[@]}"
fi
cmake --build "$build_dir" --parallel "$(nproc)" "$@"
