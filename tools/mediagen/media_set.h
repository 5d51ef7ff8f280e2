// media_set.h -- everything the generator made, kept for the contact sheet to show
#pragma once

#include <vector>

#include "picture.h"

struct MediaSet {
    Picture background, bright_background, font, tiles, people, blood, border_darkness, dashboard;
    std::vector<float> music;                 // interleaved stereo
    std::vector<Picture> icons;               // the desktop's icon, smallest first
    std::vector<std::vector<float>> effects;  // mono, in EFFECT_FILES' order
};
