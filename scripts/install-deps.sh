#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running Mevrik need.
# Re-runnable: packages already present are left alone; apt is only called for missing ones.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache clang lld
  qt6-base-dev qt6-base-dev-tools libqt6network6 qt6-translations-l10n qt6-qpa-plugins
  libgl-dev libxkbcommon-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk
  xvfb xauth imagemagick xdotool bc valgrind
  desktop-file-utils appstream man-db librsvg2-bin dpkg-dev fakeroot
)

exec "$(dirname "$0")/apt-install.sh" "${packages[@]}"
