#!/usr/bin/env bash
# windows-qt.sh: provides a static Qt for 64-bit Windows (MinGW-w64, posix threads), built from
# Debian's own source package of Qt, and prints its prefix as the last line of its output.
#
# Debian ships no Qt for MinGW, but its qt6-base source is the same version as the host's Qt
# tools, which a cross build of Qt needs (moc, rcc and uic run on the build machine). The result
# goes into a cache folder outside the clone, keyed by the Qt version and a hash of the options
# below, so that later runs and later clones find it; when that prefix is complete nothing is
# done. The work tree (about 2.4 GB) is deleted afterwards; the compiler cache keeps a rebuild
# to minutes.
set -euo pipefail
cd "$(dirname "$0")/.."
project=$PWD
toolchain=$project/cmake/mingw-w64-x86_64.cmake
./scripts/apt-install.sh dpkg-dev cmake ninja-build ccache perl qt6-base-dev qt6-base-dev-tools \
  g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix >&2

# What the window needs and nothing more: Widgets with Network (the single-instance channel is a
# local socket) and Test (the window tests). OpenGL, Vulkan, ICU, SSL and the image formats we do
# not read are left out. Direct2D itself stays on, since the windows platform plugin takes its font
# database from it, but its 1.1 back end is off. Debian's tarball drops the Wintab sources, so
# tablet events are off. The third-party libraries are Qt's bundled copies, so that nothing but
# Windows' own DLLs is imported. Qt is compiled for size, and the widgets, views and Core parts
# that neither the programs nor Qt's own dialogs use are left out: the download is mostly Qt.
options=(
  -release -static -opensource -confirm-license -nomake examples -nomake tests -optimize-size
  -xplatform win32-g++ -qt-host-path /usr
  -no-dbus -no-icu -no-opengl -no-vulkan -no-ssl -no-zstd -no-gif -no-libjpeg
  -no-feature-sql -no-feature-printsupport -no-feature-concurrent -no-feature-xml
  -no-feature-dynamicgl -no-feature-schannel -no-feature-tabletevent -no-feature-direct2d1_1
  -qt-zlib -qt-pcre -qt-harfbuzz -qt-freetype -qt-libpng
  -feature-network -feature-widgets -feature-testlib
  -no-feature-graphicsview -no-feature-graphicseffect -no-feature-gestures -no-feature-scroller
  -no-feature-mdiarea -no-feature-dockwidget -no-feature-toolbox -no-feature-wizard
  -no-feature-calendarwidget -no-feature-datetimeedit -no-feature-dial -no-feature-lcdnumber
  -no-feature-colordialog -no-feature-fontdialog -no-feature-progressdialog
  -no-feature-errormessage -no-feature-fontcombobox -no-feature-keysequenceedit
  -no-feature-commandlinkbutton -no-feature-splashscreen -no-feature-systemtrayicon
  -no-feature-columnview -no-feature-undocommand -no-feature-undostack -no-feature-undogroup
  -no-feature-undoview -no-feature-movie -no-feature-pdf -no-feature-picture
  -no-feature-textodfwriter -no-feature-textmarkdownreader -no-feature-textmarkdownwriter
  -no-feature-sessionmanager -no-feature-jalalicalendar -no-feature-islamiccivilcalendar
  -no-feature-hijricalendar
)
cmake_options=(
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
  -DINPUT_opengl=no -DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache
)

host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev)
upstream=${host_version%%+*}
key=$(printf '%s\n' "$host_version" "${options[@]}" "${cmake_options[@]/$project/}" |
  cat - "$toolchain" | sha256sum | cut -c1-12)
cache=${MEVRIK_CACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/mevrik}
prefix=$cache/qt-$upstream-mingw-$key
if [ -f "$prefix/.complete" ]; then
  echo "$prefix"
  exit 0
fi

# The source index of the archive this machine already installs from, when it has none.
if ! apt-get source --print-uris "qt6-base=$host_version" >/dev/null 2>&1; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  echo "Adding the Debian source index (deb-src) of the configured archives" >&2
  {
    for f in /etc/apt/sources.list.d/*.sources; do
      if grep -q '^URIs:.*debian' "$f"; then sed 's/^Types: deb$/Types: deb-src/' "$f" && echo; fi
    done
    if [ -f /etc/apt/sources.list ]; then
      sed -n 's/^deb \(.*debian.*\)/deb-src \1/p' /etc/apt/sources.list
    fi
  } | "${sudo_cmd[@]}" tee /etc/apt/sources.list.d/mevrik-deb-src.sources.tmp >/dev/null
  # One file of each format: the deb822 stanzas and the one-line entries.
  "${sudo_cmd[@]}" sh -c 'cd /etc/apt/sources.list.d &&
    grep -v "^deb-src " mevrik-deb-src.sources.tmp > mevrik-deb-src.sources;
    grep "^deb-src " mevrik-deb-src.sources.tmp > mevrik-deb-src.list || rm -f mevrik-deb-src.list;
    rm mevrik-deb-src.sources.tmp'
  # CI installs the Linux packages at the same time: wait for apt's locks.
  for attempt in 1 2 3 4 5 6; do
    "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq && break
    [ $attempt -lt 6 ] && sleep 20
  done
fi

mkdir -p "$cache"
work=$(mktemp -d "$cache/qt-work.XXXXXX")
trap 'rm -rf "$work"' EXIT
echo "Building Qt $upstream for Windows into $prefix (about an hour on two cores)" >&2
(cd "$work" && apt-get source -qq "qt6-base=$host_version" >&2)
source_dir=$(find "$work" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*')
mkdir "$work/build"
cd "$work/build"
"$source_dir/configure" -prefix "$prefix" "${options[@]}" -- "${cmake_options[@]}" >&2
nice -n 10 cmake --build . --parallel "$(nproc)" >&2
cmake --install . >&2
touch "$prefix/.complete"
echo "$prefix"
