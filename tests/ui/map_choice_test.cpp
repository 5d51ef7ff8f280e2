// map_choice_test.cpp -- which names are offered, picking a map, making a new one, starting a game on it
#include "app/main_loop.h"
#include "game/world.h"
#include "game/world_fixture.h"
#include "maps/map_file.h"
#include "maps/map_list.h"
#include "support.h"
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
// each from y 144, labelled without their last 4 characters.
TEST_P(MapChoice, OnlyMapNamesAreListedInListOrderWithoutGaps)
{
    set_map_names({".", "..", "zeta.map", "notes.txt", "old.map.bak", "ALPHA.MAP", "mixed.Map",
                   std::string(95, 'x') + ".map"});
    const char *const paths[] = {"Maps/zeta.map", "Maps/old.map.bak", "Maps/ALPHA.MAP", ""};
    for (int row = 0; row < 4; row++) {
        pick(630, 150 + 24 * row);
        EXPECT_STREQ(map_path, paths[row]);
        EXPECT_EQ(screen_number, row < 3 ? SCREEN_START_GAME : SCREEN_CHOOSE_MAP_TO_PLAY);
    }
    expect_test_glyph(display_surface, 20 + 12 * 6, 168, 'p');  // "old.map"
    expect_grey(display_surface, 20 + 12 * 7 + 8, 168 + 10, TEST_PLAIN_GREY);
    click(630, 150);
    map_choice_screen(SCREEN_START_EDITOR);
    EXPECT_EQ(screen_number, SCREEN_START_EDITOR);
}

// The 15th row would start at y 480; a click on the 12th row's band under
// "Back" picks the map and then goes back.
TEST_P(MapChoice, RowsPastTheScreenCannotBePickedAndBackIsTestedLast)
{
    std::vector<std::string> names;
    for (int i = 1; i <= 16; i++)
        names.push_back("m" + std::to_string(i) + ".map");
    set_map_names(names);
    for (int y = 0; y < 480; y++) {
        pick(10, y);
        EXPECT_TRUE(strcmp(map_path, "Maps/m15.map") && strcmp(map_path, "Maps/m16.map")) << y;
    }
    pick(550, 410);
    EXPECT_STREQ(map_path, "Maps/m12.map");
    EXPECT_EQ(screen_number, SCREEN_MAIN_MENU);
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

TEST_P(MapChoice, StartingAGameLoadsPreparesAndResetsTheWorld)
{
    ASSERT_EQ(mkdir("Maps", 0755), 0);
    std::string text;
    for (int y = 0; y < 50; y++)
        text += (y == 7 ? "!!!/" + std::string(46, '!') : std::string(50, '!')) + "\n";
    write_text_file("Maps/one.map", text);
    world_surface = display_like_surface(640, 480);  // a small stand-in
    strcpy(map_path, "Maps/one.map");
    player_count = 2, kill_count = 9, player_health[0] = 3;
    start_game_screen();
    EXPECT_EQ(screen_number, SCREEN_GAME);
    EXPECT_EQ(map_tiles[3][7], 14);
    ASSERT_EQ(wall_rect_count, 1);
    EXPECT_EQ(wall_rects[0]->x, 303.0f);
    EXPECT_TRUE(player_count == 2 && kill_count == 0 && player_health[0] == 100.0f);
    clear_wall_rects();
    SDL_FreeSurface(world_surface);
    world_surface = nullptr;
}

INSTANTIATE_AT_ONE_DEPTH(MapChoice);
