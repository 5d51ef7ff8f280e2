// effects.h -- the sound effects: short synthesised sounds as mono samples, one per effect file
#pragma once

#include <vector>

// Samples per second: SDL_mixer's own rate, so the game never resamples
const int EFFECT_RATE = 22050;
#include "app/effect_files.h"

const int EFFECT_COUNT = EFFECT_FILE_COUNT;  // make_effect numbers them as EFFECT_FILES lists them

// Effect `index` as mono samples in -1..1, normalised to its peak and silent at both ends.
std::vector<float> make_effect(int index);
