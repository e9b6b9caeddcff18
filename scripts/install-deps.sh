#!/usr/bin/env bash
# Installs the Debian 12 packages Typecask needs to build, run and test.
# Safe to run again: apt-get skips what is already there. Package names given as arguments are
# installed too (scripts/fuzz.sh and scripts/package-check.sh add their tools that way).
set -euo pipefail

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi

PACKAGES=(
  build-essential cmake ninja-build pkg-config clang-format ccache
  qt6-base-dev qt6-base-dev-tools libqt6svg6 qt6-qpa-plugins libgl-dev libxkbcommon-dev libxcb1-dev
  libfontconfig-dev libfreetype-dev libharfbuzz-dev libharfbuzz-bin
  libgtest-dev libgmock-dev libbenchmark-dev
  librsvg2-bin xvfb xauth imagemagick x11-utils
  openbox
  fontconfig fonts-dejavu-core fonts-ipafont-gothic fonts-ipafont-mincho
  fonts-urw-base35 xfonts-base fonts-opensymbol fonts-tlwg-garuda-ttf
  libreoffice-writer-nogui chromium qt6-translations-l10n
  unicode-data poppler-data locales python3 python3-fonttools
)
PACKAGES+=("$@")

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ "${#missing[@]}" -gt 0 ]; then
  export DEBIAN_FRONTEND=noninteractive
  # Waits for a dpkg lock that another apt-get holds instead of failing at once.
  $SUDO apt-get -o DPkg::Lock::Timeout=600 update -q
  $SUDO apt-get -o DPkg::Lock::Timeout=600 install -y -q --no-install-recommends "${missing[@]}"
fi

# The UI tests run a second time in the locale of the program's users.
if ! locale -a 2>/dev/null | grep -qix 'ja_JP.utf8'; then
  $SUDO sed -i 's/^# *\(ja_JP.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^ja_JP.UTF-8 UTF-8' /etc/locale.gen || echo 'ja_JP.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
  $SUDO locale-gen >/dev/null
fi

# The browser test drives Chromium with playwright-core from npm, installed into tests/browser
# only (the lock file fixes the version); the machine's Node.js brings npm.
if ! command -v npm >/dev/null 2>&1; then
  $SUDO apt-get -o DPkg::Lock::Timeout=600 install -y -q --no-install-recommends nodejs npm
fi
browser_tests="$(dirname "$0")/../tests/browser"
stamp="$browser_tests/node_modules/.typecask-lock.json"
if ! cmp -s "$browser_tests/package-lock.json" "$stamp"; then
  (cd "$browser_tests" && npm ci --no-audit --no-fund --loglevel=error)
  cp "$browser_tests/package-lock.json" "$stamp"
fi
