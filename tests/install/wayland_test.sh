#!/usr/bin/env bash
# The game on a Wayland display through sdl12-compat, with no X display of
# its own: Weston runs nested in an Xvfb (a compositor with a seat, which
# SDL2's Wayland driver needs), the game gets only WAYLAND_DISPLAY, runs 90
# frames and must end well (libraries it loads keep blocks until exit, so a
# sanitizer build checks no leaks here); a screenshot through Weston's screenshooter
# must show its dark main menu. Usage: wayland_test.sh BUILD_DIR [SHOT.png]
set -euo pipefail
build=$(cd "$1" && pwd)
shot=${2:-$build/wayland_menu.png}
root=$(cd "$(dirname "$0")/../.." && pwd)
compat=$("$root/scripts/fetch-sdl12-compat.sh")
"$root/scripts/install-deps.sh" xvfb weston imagemagick >/dev/null
scratch=$(mktemp -d)
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$scratch"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

export XDG_RUNTIME_DIR=$scratch/run
mkdir -m 700 "$XDG_RUNTIME_DIR" "$scratch/game"
Xvfb :93 -screen 0 1024x768x24 -noreset >"$scratch/xvfb.log" 2>&1 &
pids+=($!)
sleep 1
DISPLAY=:93 weston --backend=x11-backend.so --use-pixman --socket=rotwalk-test --width=1024 \
  --height=768 --debug --idle-time=0 >"$scratch/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 50); do [[ -S $XDG_RUNTIME_DIR/rotwalk-test ]] && break; sleep 0.1; done
[[ -S $XDG_RUNTIME_DIR/rotwalk-test ]] || fail "weston did not start: $(tail -3 "$scratch/weston.log")"

run_game() {
  (cd "$scratch/game" && env -u DISPLAY -u SDL_VIDEODRIVER WAYLAND_DISPLAY=rotwalk-test \
    SDL_AUDIODRIVER=dummy LD_LIBRARY_PATH="$compat" ASAN_OPTIONS=detect_leaks=0 \
    "$build/rotwalk" --data "$build" --game-folder "$scratch/game" --windowed "$@")
}
run_game --frames 90 2>"$scratch/game.log" || fail "the game did not end well: $(cat "$scratch/game.log")"
grep -q "no display" "$scratch/game.log" && fail "$(cat "$scratch/game.log")"

run_game --frames 100000 2>/dev/null &
pids+=($!)
sleep 4
(cd "$scratch" && env -u DISPLAY WAYLAND_DISPLAY=rotwalk-test timeout 20 weston-screenshooter) ||
  fail "no screenshot"
mv "$scratch"/wayland-screenshot-*.png "$shot"
# The menu's night sky covers most of a 640x480 window; Weston's own
# background is a light grey pattern and its panel 32 rows high.
dark=$(convert "$shot" -colorspace gray -threshold 16% -negate -format '%[fx:int(mean*w*h)]' info:)
((dark > 200000)) || fail "the screenshot $shot shows no game window ($dark dark pixels)"
echo "the main menu on Wayland through sdl12-compat: $shot ($dark dark pixels)"
