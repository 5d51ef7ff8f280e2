// replay_support.h -- what the scripted replays share: a fresh game folder, checkpoints, the golden files
#pragma once

#include <string>

#include "support.h"

const int REPLAY_FRAME_MS = 33;        // every frame: a speed factor of 0.99
const char REPLAY_MAP[] = "Town.map";  // alone in Maps/: the folder's listing order cannot matter
const char RECORD_VARIABLE[] = "ROTWALK_RECORD_REPLAY";

// The scratch folder as a player's game folder, and what a fresh process
// would hold in case other tests ran before in this one: the built artwork,
// the one map, a fixed depth and a 1:1 window so the display's bytes and the
// pointer's pixels are the same on every machine.
void start_fresh_game_folder();
// A checkpoint's line: the frame, the world's hash and the hash of the
// display's visible bytes (the padding at a row's end is not picture).
std::string checkpoint_line(int frame);

// A run's checkpoints against the recorded ones in tests/replay/<golden>.
const char COMPAT_GOLDEN_SUFFIX[] = "_sdl12compat";  // before ".txt"
struct ReplayRun {
    std::string golden_name, golden, run, picture;
    std::string classic;  // classic SDL 1.2's golden file, whose worlds every build must match
    bool recording;
};
void begin_replay_run(ReplayRun &replay, const char *golden_name);
// After frame `frame` (counted from 1): a checkpoint every `every` frames,
// and the first display unlike the recorded one kept as a PNG in `folder`.
void checkpoint_replay(ReplayRun &replay, int frame, int every, const std::string &folder);
// Records the run, or compares it, failing the test either way it differs.
void finish_replay_run(ReplayRun &replay);
