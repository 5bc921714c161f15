#!/usr/bin/env bash
# Installs the Debian 12 packages Quillan needs to build, run and test.
# Only packages that are missing are installed; nothing happens when all are present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-multimedia-dev libqt6multimedia6 qt6-charts-dev libqt6opengl6-dev qt6-image-formats-plugins
  libgl1-mesa-dev libx11-dev
  libgtest-dev googletest libbenchmark-dev
  xvfb xdotool x11-utils x11-xserver-utils imagemagick python3 desktop-file-utils appstream
  espeak-ng sox
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
