// reverb.h -- a plain Schroeder reverb over the loop, for the music's send
#pragma once

#include <vector>

// Adds the reverb of one channel's `send` to `out`, both LOOP_SAMPLES long. It runs over
// the loop twice, keeping the second pass, so the tail at the end rings on into the start;
// `spread` lengthens every delay by that many samples, so the two channels differ.
void add_reverb(const std::vector<float> &send, std::vector<float> &out, int spread);
