#!/usr/bin/env bash
# Builds Mevrik for 64-bit Windows into build-windows/mingw: the window (mevrik.exe) and the
# terminal calculator (mevrik-cli.exe), each one statically linked file that imports only
# Windows' own DLLs. Qt for Windows comes from scripts/windows-qt.sh (built once from Debian's
# source and cached). Then runs every test program under Wine, checks that the Windows terminal
# program writes byte for byte what the Linux one writes, drives the real window under Wine
# (scripts/windows-window-check.sh), packs build-windows/mevrik-<version>-win64.zip, builds the
# installer build-windows/mevrik-<version>-setup.exe and checks it under Wine
# (scripts/windows-installer-check.sh). Installs what is missing.
set -euo pipefail
cd "$(dirname "$0")/.."
root=build-windows
./scripts/install-deps.sh
./scripts/apt-install.sh g++-mingw-w64-x86-64-posix wine wine64 zip xclip nsis icoutils python3
# Wine maps a folder's Chinese name to Windows through the Chinese locale, which the window check
# starts it in: generate that locale where the machine lacks it.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN.utf8'; then
  ./scripts/apt-install.sh locales
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  "${sudo_cmd[@]}" localedef -i zh_CN -f UTF-8 zh_CN.UTF-8
fi
qt=$(./scripts/windows-qt.sh | tail -n 1)

# configure DIR [cmake options]: once; later runs only rebuild what changed.
configure() {
  local dir=$1
  shift
  [ -f "$dir/CMakeCache.txt" ] && return
  cmake -S . -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DMEVRIK_BUILD_BENCH=OFF "$@"
}
# A configured tree keeps the Qt it was configured with: a new Qt (other options) starts it afresh.
qt_toolchain=$qt/lib/cmake/Qt6/qt.toolchain.cmake
if ! grep -qxF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$qt_toolchain" "$root/mingw/CMakeCache.txt" 2>/dev/null; then
  rm -rf "$root/mingw"
fi
# The same optimisation as the Linux build; the programs are shipped without their debugging
# data. Qt's toolchain file puts the Qt prefix on the search path and loads ours. Of the
# benchmarks only the empty reference window is built (scripts/windows-startup-bench.sh).
configure "$root/mingw" -DCMAKE_TOOLCHAIN_FILE="$qt_toolchain" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DCMAKE_EXE_LINKER_FLAGS_RELWITHDEBINFO=-s \
  -DMEVRIK_BUILD_BENCH=ON
configure "$root/linux" -DMEVRIK_BUILD_GUI=OFF
cmake --build "$root/mingw" --parallel "$(nproc)"
cmake --build "$root/linux" --parallel "$(nproc)" --target cli_tests mevrik-cli

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
# repeat; the tests themselves are deterministic, so a real fault fails twice. The window tests
# draw offscreen with the Linux tests' font, so that they lay out as on Linux; the real program
# they start needs a display.
MEVRIK_TEST_FONT_DIR='Z:\usr\share\fonts\opentype\noto' MEVRIK_XVFB_SCREEN=1280x800 \
  ./scripts/with-xvfb.sh ctest --test-dir "$root/mingw" --output-on-failure --timeout 300 --repeat until-pass:2

./scripts/windows-compare.sh "$root/linux" "$root/mingw" "$root/compare"

# The portable download: both programs and a read-me; unpacked anywhere, the settings file is
# written beside the programs.
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$root/mingw/CMakeCache.txt")
zip=$root/mevrik-$version-win64.zip
rm -f "$zip"
zip -q -j -X "$zip" "$root/mingw/app/mevrik.exe" "$root/mingw/cli/mevrik-cli.exe" packaging/windows/README.txt
# Like the tests, the check runs once more if it fails, for the start that Wine now and then fails.
check=(./scripts/windows-window-check.sh "$zip" "$root/linux/cli/mevrik-cli" "$root/window-check.png")
"${check[@]}" || "${check[@]}"

# The installer of the same two programs.
setup=$root/mevrik-$version-setup.exe
makensis -V2 -DOUTFILE="$PWD/$setup" "$root/mingw/installer.nsi"
check=(./scripts/windows-installer-check.sh "$setup" "$version")
"${check[@]}" || "${check[@]}"
echo "Windows build: $zip, $setup"
