#!/usr/bin/env bash
# Unpacks Debian's sdl12-compat (SDL 1.2's interface over SDL2) into
# build/sdl12-compat, without installing it over the classic SDL 1.2 the
# game is built with, and prints the folder that holds its libSDL-1.2.so.0:
# put it first in LD_LIBRARY_PATH to run the same build on it. SDL2 itself,
# which it loads, is installed when missing (it sits beside classic SDL 1.2).
set -euo pipefail
cd "$(dirname "$0")/.."
target=build/sdl12-compat
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
scripts/install-deps.sh libsdl2-2.0-0 >&2
library=$(find "$target" -name 'libSDL-1.2.so.0' 2>/dev/null | head -1 || true)
if [[ -z "$library" ]]; then
  rm -rf "$target"
  mkdir -p "$target/deb"
  (cd "$target/deb" && apt-get download libsdl1.2-compat >&2) ||
    { "${sudo_cmd[@]}" apt-get update -q >&2 && (cd "$target/deb" && apt-get download libsdl1.2-compat >&2); }
  dpkg-deb -x "$target"/deb/libsdl1.2-compat_*.deb "$target/root"
  library=$(find "$target/root" -name 'libSDL-1.2.so.0' | head -1)
fi
[[ -n "$library" ]] || { echo "no libSDL-1.2.so.0 in libsdl1.2-compat" >&2; exit 1; }
(cd "$(dirname "$library")" && pwd)
