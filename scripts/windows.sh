#!/usr/bin/env bash
# Builds the core and the terminal calculator for 64-bit Windows (MinGW-w64, statically linked)
# into build-windows/mingw, runs their tests under Wine and checks that the Windows program
# writes byte for byte what the Linux one writes, for the CLI tests and a sweep of expressions
# and weights. Installs what is missing. The program lands in build-windows/mingw/cli/mevrik-cli.exe.
set -euo pipefail
cd "$(dirname "$0")/.."
root=build-windows
packages=(cmake ninja-build ccache g++ libgtest-dev googletest g++-mingw-w64-x86-64-posix wine wine64)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  echo "Installing: ${missing[*]}" >&2
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq || true
  "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
fi

# configure DIR [cmake options]: once; later runs only rebuild what changed.
configure() {
  local dir=$1
  shift
  [ -f "$dir/CMakeCache.txt" ] && return
  cmake -S . -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMEVRIK_BUILD_GUI=OFF -DMEVRIK_BUILD_BENCH=OFF "$@"
}
# The same optimisation as the Linux build; the program is shipped without its debugging data.
configure "$root/mingw" -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DCMAKE_EXE_LINKER_FLAGS_RELWITHDEBINFO=-s
configure "$root/linux"
cmake --build "$root/mingw" --parallel "$(nproc)"
cmake --build "$root/linux" --parallel "$(nproc)" --target cli_tests

export MEVRIK_DRY_RUN=1
# The first start creates the prefix; its set-up goes on after wineboot returns, so wait for it
# to end. Then one Wine server for all the test programs, ended with the script. Its first program
# starts Wine's services, which keep that program's output open as long as they run: a program
# of our own with no output takes that place, or the first test would never end for CTest.
if [ ! -f "$root/wineprefix/system.reg" ]; then
  echo "Creating the Wine prefix $root/wineprefix" >&2
  ./scripts/wine-run.sh wineboot --init >/dev/null 2>&1
  ./scripts/wine-run.sh wineserver -w
fi
./scripts/wine-run.sh wineserver -p 60 2>/dev/null || true  # or the one already running
trap './scripts/wine-run.sh wineserver -k || true' EXIT
./scripts/wine-run.sh "$root/mingw/cli/mevrik-cli.exe" --help </dev/null >/dev/null 2>&1
# Wine on a busy machine now and then fails to start a program, which a second run does not
# repeat; the tests themselves are deterministic, so a real fault fails twice.
ctest --test-dir "$root/mingw" --output-on-failure --timeout 120 --repeat until-pass:2

./scripts/windows-compare.sh "$root/linux" "$root/mingw" "$root/compare"
echo "Windows build: $root/mingw/cli/mevrik-cli.exe"
