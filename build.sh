#!/usr/bin/env bash
# Builds Rotwalk. "./build.sh run" builds, assembles the game folder and starts
# the game; "./build.sh test" checks the sources' layout and floors, builds with
# sanitizers and runs the tests, on classic SDL 1.2 and again on sdl12-compat;
# "./build.sh fuzz [seconds]" fuzzes each file loader for that long (default 60);
# "./build.sh deb" builds the Debian package rotwalk_<version>_<arch>.deb and checks it with lintian;
# "./build.sh windows" cross-builds the Windows game, tests it under Wine and packs
# build/Rotwalk-<version>-windows-x64.zip.
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
  # The title screen's replays; the player's own saved beside them stay.
  if [[ -d "$ROOT/data/Replays" ]]; then
    mkdir -p "$game/Replays"
    cp "$ROOT"/data/Replays/*.rwr "$game/Replays/"
  fi
  if [[ -d "$ROOT/build/release/Media" ]]; then
    rm -rf "$game/Media"
    cp -r "$ROOT/build/release/Media" "$game/Media"
  fi
}

# Fails, naming the files, when a source is not laid out as .clang-format says;
# "clang-format-14 -i FILE" lays one out.
check_layout() {
  find src tools tests \( -name '*.cpp' -o -name '*.h' \) -print0 | sort -z |
    xargs -0 clang-format-14 --dry-run --Werror
}

# Runs every fuzz target for the given seconds on a scratch copy of its
# checked-in corpus (which a run never changes), prints its executions and
# fails if any target crashed or broke a check; the input is kept under
# build/fuzz/work/<target>/artifacts.
run_fuzz_targets() {
  local seconds=$1 failed=0 target work status runs
  for target in settings map save map_list replay; do
    work="$ROOT/build/fuzz/work/$target"
    rm -rf "$work"
    mkdir -p "$work/corpus" "$work/artifacts"
    cp -r "$ROOT/tests/fuzz/corpus/$target/." "$work/corpus/"
    status=0
    "$ROOT/build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
      -artifact_prefix="$work/artifacts/" "$work/corpus" >"$work/log" 2>&1 || status=$?
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$work/log")
    printf '%-9s %10s executions in %ss, corpus %d files\n' "$target" "${runs:-?}" "$seconds" \
      "$(find "$work/corpus" -type f | wc -l)"
    if [[ $status -ne 0 || -n "$(ls -A "$work/artifacts")" ]]; then
      failed=1
      echo "fuzz_$target failed (status $status); log: $work/log" >&2
      grep -E -m 20 'ERROR|check failed|SUMMARY|Test unit written' "$work/log" >&2 || true
    fi
  done
  return $failed
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
    check_layout
    scripts/check-floors.sh
    cmake -S . -B build/test -DCMAKE_BUILD_TYPE=Debug -DROTWALK_SANITIZE=ON >/dev/null
    cmake --build build/test -j "$JOBS"
    compat=$(scripts/fetch-sdl12-compat.sh)
    cd build/test
    echo "== the tests on classic SDL 1.2 =="
    ctest -j "$JOBS" --output-on-failure
    # The same build again on sdl12-compat, the SDL 1.2 of most distributions
    # today; SDL2's own blocks kept until exit are not the game's leaks.
    echo "== the tests on sdl12-compat ($compat) =="
    # ldd's whole answer is kept first: grep -q leaving early on a pipe would
    # kill ldd by SIGPIPE now and then, and pipefail would call that a miss.
    linked=$(LD_LIBRARY_PATH="$compat" ldd tests/rotwalk_tests)
    grep -qF "$compat/libSDL-1.2.so.0" <<<"$linked" ||
      { echo "the tests would not load sdl12-compat from $compat; ldd says:" >&2; echo "$linked" >&2; exit 1; }
    LD_LIBRARY_PATH="$compat${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}" \
      LSAN_OPTIONS="suppressions=$ROOT/tests/sdl2-leaks.supp" ctest -j "$JOBS" --output-on-failure
    ;;
  fuzz)
    seconds=${2:-60}
    scripts/install-deps.sh
    scripts/install-fuzz-deps.sh
    cmake -S tests/fuzz -B build/fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build/fuzz -j "$JOBS"
    run_fuzz_targets "$seconds"
    ;;
  deb)
    scripts/build-deb.sh
    ;;
  windows)
    scripts/build-windows.sh
    ;;
  *)
    echo "usage: $0 run|test|fuzz [seconds]|deb|windows" >&2
    exit 2
    ;;
esac
