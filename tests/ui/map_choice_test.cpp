// map_choice_test.cpp -- which names are offered, picking a map, making a new one
#include "game/world_fixture.h"
#include "main_loop.h"
#include "maps/map_file.h"
#include "maps/map_list.h"
#include "ui/map_choice.h"
#include "ui/notice.h"

class MapChoice : public ScreenTest {
protected:
    void TearDown() override
    {
        clear_map_names();
        ScreenTest::TearDown();
    }
    static void set_map_names(const std::vector<std::string> &names)
    {
        clear_map_names();
        for (const std::string &name : names)
            map_names[map_name_count++] = strcpy(new char[name.size() + 1], name.c_str());
    }
    // One frame of the screen for playing, with a click at (x, y).
    static void pick(int x, int y)
    {
        screen_number = SCREEN_CHOOSE_MAP_TO_PLAY;
        map_path[0] = '\0';
        click(x, y);
        map_choice_screen(SCREEN_START_GAME);
    }
};

// Names holding ".map" or ".MAP" that fit map_path, in list order, one row
// each from y 144, labelled without their last 4 characters. The 15th row
// would start at y 480; a click on the 12th row's band under "Back" picks
// the map and then goes back.
TEST_P(MapChoice, OnlyMapNamesAreListedInListOrderWithoutGapsAndBackIsTestedLast)
{
    std::vector<std::string> names = {
        ".",           "..",        "zeta.map",  "notes.txt",
        "old.map.bak", "ALPHA.MAP", "mixed.Map", std::string(95, 'x') + ".map"};
    for (int i = 4; i <= 15; i++)
        names.push_back("m" + std::to_string(i) + ".map");
    set_map_names(names);
    const char *const paths[] = {"Maps/zeta.map", "Maps/old.map.bak", "Maps/ALPHA.MAP",
                                 "Maps/m4.map"};
    for (int row = 0; row < 4; row++) {
        pick(630, 150 + 24 * row);
        EXPECT_STREQ(map_path, paths[row]);
        EXPECT_EQ(screen_number, SCREEN_START_GAME);
    }
    expect_test_glyph(display_surface, 20 + 12 * 6, 168, 'p');  // "old.map"
    expect_grey(display_surface, 20 + 12 * 7 + 8, 168 + 10, TEST_PLAIN_GREY);
    for (int y = 0; y < 480; y++) {
        pick(10, y);
        EXPECT_STRNE(map_path, "Maps/m15.map") << y;
    }
    pick(550, 410);
    EXPECT_STREQ(map_path, "Maps/m12.map");
    EXPECT_EQ(screen_number, SCREEN_MAIN_MENU);
    click(630, 150);
    map_choice_screen(SCREEN_START_EDITOR);
    EXPECT_EQ(screen_number, SCREEN_START_EDITOR);
}

// Only for editing, after the maps: the first number no entry of Maps/ has
// taken, a file of floor 0, listed at once for playing too.
TEST_P(MapChoice, NewMapTakesTheFirstFreeNumberAndJoinsTheListAtOnce)
{
    ASSERT_EQ(mkdir("Maps", 0755), 0);
    write_text_file("Maps/Map 1.map", "");
    ASSERT_EQ(symlink("nowhere", "Maps/Map 2.map"), 0);
    write_text_file("Maps/Map 4.map", "");
    set_map_names({"Map 1.map", "Map 4.map"});
    screen_number = SCREEN_CHOOSE_MAP_TO_EDIT;
    click(630, 200);
    map_choice_screen(SCREEN_START_EDITOR);
    expect_test_glyph(display_surface, 20, 192, 'N');
    EXPECT_EQ(screen_number, SCREEN_START_EDITOR);
    EXPECT_STREQ(map_path, "Maps/Map 3.map");
    std::string floor;
    while (floor.size() < 50 * 51)
        floor += std::string(50, '!') + "\n";
    EXPECT_EQ(read_file("Maps/Map 3.map"), floor);
    pick(630, 200);
    EXPECT_STREQ(map_path, "Maps/Map 3.map");
    pick(630, 224);
    EXPECT_EQ(screen_number, SCREEN_CHOOSE_MAP_TO_PLAY);

    ASSERT_EQ(rename("Maps", "Old"), 0);  // a file where the folder should be
    write_text_file("Maps", "");
    screen_number = SCREEN_CHOOSE_MAP_TO_EDIT;
    click(630, 224);
    map_choice_screen(SCREEN_START_EDITOR);
    EXPECT_EQ(screen_number, SCREEN_CHOOSE_MAP_TO_EDIT);
    EXPECT_STREQ(notice_text, "Could not save Maps/Map 1.map: Not a directory");
    EXPECT_EQ(map_name_count, 3);
    clear_notice();
}

INSTANTIATE_AT_ONE_DEPTH(MapChoice);
