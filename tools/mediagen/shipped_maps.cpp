// shipped_maps.cpp -- the maps shipped with the game, read as text for the contact sheet
#include "shipped_maps.h"

#include <dirent.h>

#include <algorithm>
#include <fstream>

std::vector<ShippedMap> read_shipped_maps(const std::string &folder)
{
    std::vector<ShippedMap> maps;
    DIR *dir = opendir(folder.c_str());
    if (!dir)
        return maps;
    while (dirent *entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name.size() < 5 || name.substr(name.size() - 4) != ".map")
            continue;
        ShippedMap map = {name, {}};
        std::ifstream file(folder + "/" + name);
        std::string line;
        while (std::getline(file, line)) {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            map.rows.push_back(line);
        }
        maps.push_back(map);
    }
    closedir(dir);
    std::sort(maps.begin(), maps.end(),
              [](const ShippedMap &a, const ShippedMap &b) { return a.name < b.name; });
    return maps;
}
