// effects.h -- the sound effects: short synthesised sounds, written as 16-bit mono WAV files
#pragma once

#include <string>
#include <vector>

// Samples per second: SDL_mixer's own rate, so the game never resamples
const int EFFECT_RATE = 22050;
#include "app/effect_files.h"

const int EFFECT_COUNT = EFFECT_FILE_COUNT;  // make_effect numbers them as EFFECT_FILES lists them

// Effect `index` as mono samples in -1..1, normalised to its peak and silent at both ends.
std::vector<float> make_effect(int index);
// A canonical RIFF/WAVE file of the samples: PCM, one channel, 16 bits, EFFECT_RATE.
std::vector<unsigned char> wav_bytes(const std::vector<float> &samples);
bool write_wav(const std::string &path, const std::vector<float> &samples);
