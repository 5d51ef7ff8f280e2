// world_hash.h -- one number for the state of a game, to tell two runs of it apart
#pragma once

#include <cstdint>

// FNV-1a over the bytes of every value a game frame changes: the players,
// the zombies, the gauges, the view, the waves, the game clock and the
// random draws taken. Equal games give equal hashes on every machine.
uint64_t world_hash();
