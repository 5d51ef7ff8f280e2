// shipped_maps_test.cpp -- the maps in data/Maps are whole, valid, with a clear start and within the wall budget
#include <dirent.h>

#include <sstream>

#include "game/world_fixture.h"
#include "maps/map_file.h"
#include "maps/map_prepare.h"

const int MAX_SHIPPED_WALL_RECTS = 300;

using ShippedMaps = ScratchFolderTest;

// Each map is 50 lines of 50 kinds from 0 to 21 and loads through the game's
// loader with the start tiles free and its walls within the budget.
TEST_F(ShippedMaps, EveryMapIsWholeValidAndPlayable)
{
    std::vector<std::string> names;
    if (DIR *dir = opendir(SHIPPED_MAPS_DIR)) {
        while (dirent *e = readdir(dir))
            if (strstr(e->d_name, ".map"))
                names.push_back(e->d_name);
        closedir(dir);
    }
    ASSERT_GE(names.size(), 5u);
    ASSERT_EQ(mkdir("Maps", 0755), 0);
    for (const std::string &name : names) {
        SCOPED_TRACE(name);
        const std::string text = read_file((std::string(SHIPPED_MAPS_DIR) + "/" + name).c_str());
        std::string line;
        int rows = 0;
        for (std::istringstream lines(text); std::getline(lines, line); rows++) {
            ASSERT_EQ(line.size(), 50u) << "row " << rows;
            for (char c : line)
                ASSERT_TRUE(c >= 33 && c <= 54) << "row " << rows << ": " << c;
        }
        EXPECT_EQ(rows, 50);
        write_text_file(("Maps/" + name).c_str(), text);
        std::snprintf(map_path, MAP_PATH_SIZE, "Maps/%s", name.c_str());
        load_map();
        for (int i = 0; i < 4; i++)
            EXPECT_LT(map_tiles[24 + i % 2][24 + i / 2], FIRST_WALL_KIND)
                << "a player starts on a wall";
        clear_wall_rects();
        prepare_map();
        EXPECT_TRUE(wall_rect_count > 10 && wall_rect_count <= MAX_SHIPPED_WALL_RECTS)
            << wall_rect_count;
        clear_wall_rects();
    }
}
