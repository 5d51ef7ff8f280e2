#!/usr/bin/env bash
# Builds Rotwalk. "./build.sh run" builds, assembles the game folder and starts
# the game; "./build.sh test" builds with sanitizers and runs the tests.
set -euo pipefail
cd "$(dirname "$0")"
ROOT=$(pwd)
JOBS=$(nproc 2>/dev/null || echo 2)

assemble_game_folder() {
  local game="$ROOT/game"
  mkdir -p "$game/Maps" "$game/Saves"
  cp "$ROOT/build/release/rotwalk" "$game/rotwalk"
  # The player's own settings, maps and saves are never overwritten.
  [[ -f "$game/settings.ini" ]] || cp "$ROOT/data/settings.ini" "$game/settings.ini"
  if [[ -d "$ROOT/data/Maps" ]]; then
    cp -n "$ROOT"/data/Maps/* "$game/Maps/" 2>/dev/null || true
  fi
  if [[ -d "$ROOT/build/release/Media" ]]; then
    rm -rf "$game/Media"
    cp -r "$ROOT/build/release/Media" "$game/Media"
  fi
}

case "${1:-}" in
  run)
    scripts/install-deps.sh
    cmake -S . -B build/release -DCMAKE_BUILD_TYPE=Release -DROTWALK_TESTS=OFF >/dev/null
    cmake --build build/release -j "$JOBS"
    assemble_game_folder
    cd "$ROOT/game"
    exec ./rotwalk
    ;;
  test)
    scripts/install-deps.sh
    cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DROTWALK_SANITIZE=ON >/dev/null
    cmake --build build/test -j "$JOBS"
    cd build/test
    ctest -j "$JOBS" --output-on-failure
    ;;
  *)
    echo "usage: $0 run|test" >&2
    exit 2
    ;;
esac
