#!/usr/bin/env bash
# Installs the Debian 12 packages Typecask needs to build, run and test.
# Safe to run again: apt-get skips what is already there.
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

PACKAGES=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-qpa-plugins libgl-dev libxkbcommon-dev
  libfontconfig-dev libfreetype-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth imagemagick x11-utils
  fontconfig fonts-dejavu-core fonts-ipafont-gothic fonts-ipafont-mincho
  fonts-urw-base35 xfonts-base fonts-opensymbol fonts-tlwg-garuda-ttf
  libreoffice-writer-nogui
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -q
  $SUDO apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
