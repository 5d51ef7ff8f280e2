// wav_file.h -- the sound effects written as 16-bit mono WAV files
#pragma once

#include <string>
#include <vector>

// Writes the samples as a canonical RIFF/WAVE file: PCM, one channel, 16 bits, EFFECT_RATE.
bool write_wav(const std::string &path, const std::vector<float> &samples);
