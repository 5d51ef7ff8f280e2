// music.h -- the music loop: synthesised drones, pulses and sparse percussion, as stereo samples
#pragma once

#include <vector>

const int MUSIC_RATE = 44100;  // samples per second per channel
const int MUSIC_BPM = 80;
const int MUSIC_BARS = 24;  // of four beats: 72 seconds
const int SAMPLES_PER_BEAT = MUSIC_RATE * 60 / MUSIC_BPM;
const int LOOP_SAMPLES = SAMPLES_PER_BEAT * 4 * MUSIC_BARS;

// Stereo samples, interleaved, -1..1; exactly periodic, so the last sample leads into the first.
std::vector<float> make_music();
