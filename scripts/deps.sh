#!/usr/bin/env bash
# Installs the Debian packages Quillora needs to build, run and test, when any
# is missing. Run as root or through sudo.
set -euo pipefail

PACKAGES=(
  build-essential clang cmake pkg-config
  qt6-base-dev qt6-base-dev-tools libgl1-mesa-dev libxkbcommon-dev
  qt6-translations-l10n libzip-dev libxlsxwriter-dev xdg-utils
  libgtest-dev googletest libbenchmark-dev python3-xlsxwriter locales
  fonts-liberation fonts-dejavu-core poppler-utils xvfb xauth
)

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
echo "Installing: ${missing[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
