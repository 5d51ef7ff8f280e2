// score.h -- the music's notes in time: the heartbeat, the ostinato and the percussion
#pragma once

#include "music_track.h"

// A low lub-dub on every beat, strongest mid-loop.
void add_heartbeat(Track &dry);
// A muted, plucked figure in D Phrygian on eighth notes, from bar 4 to bar 23.
void add_ostinato(Track &dry, Track &send);
// A distant metal clang every four bars, low toms in the middle, a dry rim at the height.
void add_percussion(Track &dry, Track &send);
