#!/usr/bin/env bash
# Installs the Debian packages that building, testing, checking the layout (clang-format),
# measuring the tests' line coverage (gcovr) and generating the media need, only those missing.
# Given package names, it installs those instead, the same way.
set -euo pipefail

PACKAGES=(
  cmake g++ make pkg-config
  libsdl1.2-dev libsdl-image1.2-dev libsdl-mixer1.2-dev
  liblodepng-dev zlib1g-dev libgtest-dev gcovr clang-format-14
  libfreetype-dev fonts-dejavu-core
  libogg-dev libvorbis-dev
  desktop-file-utils appstream
)
(($# == 0)) || PACKAGES=("$@")

missing=()
for p in "${PACKAGES[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
