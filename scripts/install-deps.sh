#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs every build, test and run dependency from Debian's packages.
# Safe to run repeatedly: it only calls apt-get when something is missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  clang libclang-rt-14-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qtbase5-dev qttools5-dev qttools5-dev-tools
  libopencv-dev libopencv-contrib-dev libhpdf-dev libzbar-dev zbar-tools libturbojpeg0-dev libqrencode-dev
  libtesseract-dev tesseract-ocr-eng tesseract-ocr-chi-sim
  libx11-dev libxext-dev libasound2-dev
  xvfb xauth x11-apps imagemagick ffmpeg poppler-utils qpdf qrencode img2pdf
  iproute2 util-linux binutils procps
  fonts-wqy-microhei fonts-tlwg-loma-ttf papirus-icon-theme librsvg2-bin python3-fonttools
  python3 help2man dpkg-dev file appstream desktop-file-utils xdotool
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi

echo "install-deps: installing ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO=sudo
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
