// waves_save.h -- the block a Waves game adds after the save's design blocks: its wave and its clocks
#pragma once

#include <iosfwd>

#include "game/world.h"

const char WAVES_BLOCK_TAG[] = "waves";  // the block's first word
const int SAVED_WAVE_MAX = 10000;        // far past any wave a player reaches

// What the block holds, read and checked before any of it is used.
struct SavedWaves {
    bool tagged;  // a word followed the design's blocks; only "waves" may
    int wave, spawned, time_ms;
    float spawn_clock, breather_left, flash_carry;
    float fire_clock[MAX_PLAYERS];
};

void write_waves_block(std::ostream &out);
// False when nothing or anything but a whole block follows; `tagged` tells
// the two apart.
bool read_waves_block(std::istream &in, int player_count, SavedWaves &saved);
bool waves_block_in_range(const SavedWaves &saved, int player_count);
void apply_waves_block(const SavedWaves &saved, int player_count);
