#!/usr/bin/env bash
# Installs the Debian 12 packages that building, testing and running Mevrik need.
# Re-runnable: packages already present are left alone; apt is only called for missing ones.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config ccache clang
  qt6-base-dev qt6-base-dev-tools libqt6network6 qt6-translations-l10n qt6-qpa-plugins
  libgl-dev libxkbcommon-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk
  xvfb xauth imagemagick xdotool
  desktop-file-utils appstream man-db librsvg2-bin dpkg-dev fakeroot
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
echo "Installing: ${missing[*]}" >&2
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq || true
"${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
