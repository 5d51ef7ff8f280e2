// map_file_test.cpp -- map files in and out, a missing map
#include <sstream>

#include "game/world_fixture.h"
#include "maps/map_file.h"
#include "ui/notice.h"
#include "ui/save_notices.h"

class MapFile : public CleanWorld {
protected:
    // The grid as map text: one row of 50 kinds per line, kind 0 as '!'.
    static std::string grid_text()
    {
        std::ostringstream text;
        write_map_rows(text, map_tiles);
        return text.str();
    }
};

TEST_F(MapFile, EveryKindSurvivesARoundTripAsFiftyLinesOfFiftyAndAMissingMapIsAllFloor)
{
    mkdir("Maps", 0777);
    snprintf(map_path, sizeof map_path, "Maps/all.map");
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++)
            map_tiles[x][y] = (x + 3 * y) % TILE_KIND_COUNT;
    const std::string text = grid_text();
    save_map_with_notice();
    ASSERT_EQ(read_file(map_path), text);
    ASSERT_EQ(text.size(), 50u * 51u);
    EXPECT_EQ(text.substr(0, 23), "!\"#$%&'()*+,-./0123456!");  // kinds 0 to 21, then 0
    EXPECT_EQ(text.substr(50, 4), "\n$%&");                     // row 1 starts at kind 3
    fill_grid(7);
    load_map();
    EXPECT_EQ(grid_text(), text);
    EXPECT_STREQ(notice_text, "Map saved");
    EXPECT_EQ(folder_listing("Maps"), "all.map\n");

    // Damaged bytes are the fuzz corpus's; a missing map or a folder in its
    // place is all floor, never a crash.
    snprintf(map_path, sizeof map_path, "bad.map");
    fill_grid(0);
    const std::string floor = grid_text();
    for (bool folder : {false, true}) {
        if (folder)
            mkdir(map_path, 0777);
        fill_grid(TILE_WALL_TOP);
        load_map();
        EXPECT_EQ(grid_text(), floor) << folder;
    }
}
