// instruments.h -- the music's struck and plucked notes, each added at a sample of the loop
#pragma once

#include "music_track.h"

// Every note starts at sample `at` of the loop and wraps round to its start when it
// rings past the end; `level` scales it.

// Half of a heartbeat: a low sine thump gliding down from `top_hz` to `low_hz`.
void add_thump(Track &dry, long long at, float level, double top_hz, double low_hz);
// A muted saw pluck whose low-pass closes as it dies; `pan` above zero leans it right.
void add_pluck(Track &dry, Track &send, long long at, double hz, float level, float pan);
// A distant metal clang: five inharmonic partials over a noisy strike, three seconds long.
void add_clang(Track &dry, Track &send, long long at, float level);
// A low tom: a sine falling in pitch under a short burst of noise.
void add_tom(Track &dry, Track &send, long long at, float level);
// A dry rim: a short band of noise, left of centre.
void add_rim(Track &dry, Track &send, long long at, float level);
