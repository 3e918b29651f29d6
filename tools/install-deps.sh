#!/usr/bin/env bash
# Installs the Debian packages the build, the program and the tests need.
# Idempotent: asks apt only when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-svg-dev libqt6svg6-dev qt6-gtk-platformtheme
  libgtest-dev libfast-float-dev libxlsxwriter-dev
  fonts-liberation fonts-dejavu-core
  qt6-translations-l10n
  poppler-utils python3-openpyxl unrtf locales
  xvfb xauth x11-apps imagemagick
  clang libclang-rt-14-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The export tests write workbooks under a decimal-comma locale.
if ! locale -a 2>/dev/null | grep -qi '^hu_HU\.utf-\?8$'; then
  echo "Generating the hu_HU.UTF-8 locale"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO=sudo
  $SUDO localedef -i hu_HU -c -f UTF-8 hu_HU.UTF-8
fi
