// ogg_file.h -- the music written as an Ogg Vorbis file through libvorbis
#pragma once

#include <string>
#include <vector>

// Encodes interleaved stereo samples at MUSIC_RATE; false, with `error` set, when the
// file cannot be created or written.
bool write_ogg(const std::string &path, const std::vector<float> &samples, std::string &error);
