// shipped_maps.h -- the maps shipped with the game, read as text for the contact sheet
#pragma once

#include <string>
#include <vector>

struct ShippedMap {
    std::string name;
    std::vector<std::string> rows;  // 50 rows of 50 characters when valid
};

// Reads every *.map file of a folder, sorted by name; a missing folder gives none.
std::vector<ShippedMap> read_shipped_maps(const std::string &folder);
