// contact_sheet.h -- one picture that shows every asset, the menus and a game scene, for a person to judge
#pragma once

#include <string>
#include <vector>

#include "picture.h"

struct MediaSet {
    Picture background, bright_background, font, tiles, people, blood, border_darkness, dashboard;
    std::vector<float> music;                 // interleaved stereo
    std::vector<Picture> icons;               // the desktop's icon, smallest first
    std::vector<std::vector<float>> effects;  // mono, in EFFECT_FILES' order
};

struct ShippedMap {
    std::string name;
    std::vector<std::string> rows;  // 50 rows of 50 characters when valid
};

// Reads every *.map file of a folder, sorted by name; a missing folder gives none.
std::vector<ShippedMap> read_shipped_maps(const std::string &folder);
Picture make_contact_sheet(const MediaSet &media, const std::vector<ShippedMap> &maps);
