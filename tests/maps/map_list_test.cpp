// map_list_test.cpp -- listing the entries of Maps/
#include <sys/stat.h>

#include <algorithm>

#include "maps/map_list.h"
#include "support.h"

using MapList = ScratchFolderTest;

TEST_F(MapList, EveryEntryIsListedOnceUpToTheCapacityAndNoFolderGivesNone)
{
    scan_map_folder();
    EXPECT_EQ(map_name_count, 0);
    ASSERT_EQ(mkdir("Maps", 0755), 0);
    ASSERT_EQ(mkdir("Maps/sub", 0755), 0);
    write_text_file("Maps/a.map", "x");
    write_text_file("Maps/b.map", "x");
    write_text_file("Maps/.rotwalk_Ab12cd", "x");  // a save's temporary file is never a map
    scan_map_folder();
    scan_map_folder();
    write_text_file("Maps/c.map", "x");  // after the scan: not listed
    std::vector<std::string> names(map_names, map_names + map_name_count);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{".", "..", "a.map", "b.map", "sub"}));
    for (int i = 0; i < MAX_MAP_NAMES + 20; i++)
        write_text_file(("Maps/m" + std::to_string(i) + ".map").c_str(), "");
    scan_map_folder();
    EXPECT_EQ(map_name_count, MAX_MAP_NAMES);
    clear_map_names();
    EXPECT_EQ(map_name_count, 0);
}
