// music_track.h -- the music's stereo tracks and what its parts share: section fades and a filter
#pragma once

#include <vector>

#include "music.h"

// Everything is made to repeat exactly every LOOP_SAMPLES: oscillators hold a
// whole number of cycles per loop, notes that ring past the end wrap round to the
// start, and every filter or echo runs over the loop twice, keeping the second
// pass, so its state at the end flows into the beginning without a seam.
const int SAMPLES_PER_BAR = SAMPLES_PER_BEAT * 4;
const double TWO_PI = 6.283185307179586;

// LOOP_SAMPLES of each channel; the parts add into a dry track and a reverb send.
struct Track {
    std::vector<float> left, right;
};

// Level of a part that fades in from `from` to `full` and out from `fade` to `to` (bars).
float section_level(double bar, double from, double full, double fade, double to);

// Topology-preserving state-variable filter (low and band outputs), stable under modulation.
// The tangent is recomputed only when the cutoff changes, which callers do every
// FILTER_UPDATE samples at most.
struct Filter {
    double ic1, ic2;
    double cutoff, g;
};
const int FILTER_UPDATE = 16;

void filter_step(Filter &f, double x, double cutoff, double q, double *low, double *band);
