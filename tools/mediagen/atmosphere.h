// atmosphere.h -- the music's sustained layers: saw drones, wind and a far-off wavering tone
#pragma once

#include "music_track.h"

// Detuned saws on D and A through a slowly breathing low-pass, the whole loop long.
void add_drones(Track &dry, Track &send);
// Band-passed noise whose centre and level drift with the loop.
void add_wind(Track &dry);
// A far-off siren-like tone, gliding and wavering, from bar 10 to bar 22.
void add_siren(Track &dry, Track &send);
