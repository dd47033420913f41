#!/usr/bin/env bash
# Installs, with apt-get, what a fresh Debian 12 machine lacks to build, test
# and show the program. Skips everything that is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config python3 wamerican
  qtbase5-dev qtbase5-dev-tools libqt5xml5 libqt5test5 qttranslations5-l10n
  libbenchmark-dev
  clang libclang-rt-14-dev clang-format
  xvfb xauth x11-utils imagemagick xdotool libx11-dev libxcb1-dev libxtst-dev
  fonts-wqy-zenhei fonts-wqy-microhei xfonts-wqy fonts-liberation2 xclip
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
