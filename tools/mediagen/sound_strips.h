// sound_strips.h -- the contact sheet's waveform panels: the music loop and each sound effect
#pragma once

#include <vector>

#include "picture.h"

// The music as a picture: its level over the loop, left up and right down.
Picture music_strip(const std::vector<float> &music, int w, int h);
// A sound effect as a picture: the lowest and highest sample under each column over its
// whole length, warm where the sound is dull and pale where it hisses (how often it
// crosses zero nearby), a tick every 100 ms and the -3 dBFS level marked.
Picture effect_strip(const std::vector<float> &s, int w, int h);
