// shipped_maps_test.cpp -- the maps in data/Maps are whole, valid, with a clear start and within the wall budget
#include <sstream>

#include "game/world_fixture.h"
#include "maps/map_file.h"
#include "maps/map_prepare.h"

const int MAX_SHIPPED_WALL_RECTS = 300;

using ShippedMaps = CleanWorld;

// Each map reads whole, written exactly as the editor writes it (50 lines of
// 50 known kinds), with the start tiles free and its walls within the budget.
TEST_F(ShippedMaps, EveryMapIsWholeValidAndPlayable)
{
    std::istringstream names(folder_listing(SHIPPED_MAPS_DIR));
    int maps = 0;
    for (std::string name; std::getline(names, name);) {
        SCOPED_TRACE(name);
        maps++;
        const std::string text = read_file((std::string(SHIPPED_MAPS_DIR) + "/" + name).c_str());
        std::istringstream rows(text);
        EXPECT_TRUE(read_map_rows(rows, map_tiles));
        std::ostringstream written;
        write_map_rows(written, map_tiles);
        EXPECT_EQ(written.str(), text);
        for (int i = 0; i < 4; i++)
            EXPECT_LT(map_tiles[24 + i % 2][24 + i / 2], FIRST_WALL_KIND)
                << "a player starts on a wall";
        clear_wall_rects();
        prepare_map();
        EXPECT_TRUE(wall_rect_count > 10 && wall_rect_count <= MAX_SHIPPED_WALL_RECTS)
            << wall_rect_count;
    }
    EXPECT_GE(maps, 5);
}
