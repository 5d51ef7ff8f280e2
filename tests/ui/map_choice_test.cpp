// map_choice_test.cpp -- which names are offered, picking a map, starting a game on it
#include <sys/stat.h>

#include <cstring>
#include <string>
#include <vector>

#include "app/assets.h"
#include "app/display.h"
#include "app/input.h"
#include "app/main_loop.h"
#include "game/world.h"
#include "maps/map_file.h"
#include "maps/map_list.h"
#include "support.h"
#include "ui/map_choice.h"

static void set_map_names(const std::vector<std::string> &names)
{
    clear_map_names();
    for (const std::string &name : names) {
        char *entry = new char[name.size() + 1];
        memcpy(entry, name.c_str(), name.size() + 1);
        map_names[map_name_count++] = entry;
    }
}

class MapChoice : public DisplayTest {
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        make_test_artwork();
        screen_number = SCREEN_CHOOSE_MAP_TO_PLAY;
        map_path[0] = '\0';
    }
    void TearDown() override
    {
        clear_map_names();
        free_test_artwork();
        DisplayTest::TearDown();
    }
    static void click(int x, int y)
    {
        mouse_x[0] = x;
        mouse_y[0] = y;
        mouse_button_state[SDL_BUTTON_LEFT] = KEY_PRESSED;
    }
};

TEST_P(MapChoice, OnlyMapNamesAreListedInListOrderWithoutGaps)
{
    set_map_names({".", "..", "zeta.map", "notes.txt", "old.map.bak", "ALPHA.MAP", "mixed.Map",
                   std::string(95, 'x') + ".map"});
    const struct {
        int y;
        const char *path;
    } picks[] = {{150, "Maps/zeta.map"}, {174, "Maps/old.map.bak"}, {198, "Maps/ALPHA.MAP"}};
    for (const auto &pick : picks) {
        screen_number = SCREEN_CHOOSE_MAP_TO_PLAY;
        click(630, pick.y);
        map_choice_screen(SCREEN_START_GAME);
        EXPECT_STREQ(map_path, pick.path);
        EXPECT_EQ(screen_number, SCREEN_START_GAME);
    }
    // Nothing further is listed: not mixed case, not a name too long for map_path.
    screen_number = SCREEN_CHOOSE_MAP_TO_EDIT;
    map_path[0] = '\0';
    click(630, 222);
    map_choice_screen(SCREEN_START_EDITOR);
    EXPECT_EQ(screen_number, SCREEN_CHOOSE_MAP_TO_EDIT);
    EXPECT_STREQ(map_path, "");
    // The label is the name without its last 4 characters: "old.map".
    expect_rgb(display_surface, 20 + 12 * 6, 168, 'p', TEST_GLYPH_GREEN, 0);
    expect_rgb(display_surface, 20 + 12 * 7 + 8, 168 + 10, TEST_PLAIN_GREY, TEST_PLAIN_GREY,
               TEST_PLAIN_GREY);
}

TEST_P(MapChoice, RowsPastTheScreenCannotBePickedAndBackIsTestedLast)
{
    std::vector<std::string> names;
    for (int i = 1; i <= 16; i++)
        names.push_back("m" + std::to_string(i) + ".map");
    set_map_names(names);
    for (int y = 0; y < 480; y++) {
        screen_number = SCREEN_CHOOSE_MAP_TO_PLAY;
        map_path[0] = '\0';
        click(10, y);
        map_choice_screen(SCREEN_START_GAME);
        EXPECT_STRNE(map_path, "Maps/m15.map");
        EXPECT_STRNE(map_path, "Maps/m16.map");
    }
    click(550, 410);  // the 12th row's band under "Back"
    map_choice_screen(SCREEN_START_GAME);
    EXPECT_STREQ(map_path, "Maps/m12.map");
    EXPECT_EQ(screen_number, SCREEN_MAIN_MENU);
}

TEST_P(MapChoice, StartingAGameLoadsPreparesAndResetsTheWorld)
{
    char cwd[4096];
    ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
    char pattern[] = "/tmp/rotwalk_start_XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    ASSERT_EQ(chdir(pattern), 0);
    ASSERT_EQ(mkdir("Maps", 0755), 0);
    std::string text;
    for (int y = 0; y < 50; y++)
        text += (y == 7 ? std::string("!!!/") + std::string(46, '!') : std::string(50, '!')) + "\n";
    write_text_file("Maps/one.map", text);
    world_surface = SDL_DisplayFormat(display_surface);  // small stand-in
    tile_image = nullptr;
    strcpy(map_path, "Maps/one.map");
    player_count = 2;
    kill_count = 9;
    hurt_flash = 40;
    camera_x = 0;
    view_scale = 0.3f;
    player_health[0] = 3;
    start_game_screen();
    EXPECT_EQ(screen_number, SCREEN_GAME);
    EXPECT_EQ(map_tiles[3][7], 14);
    ASSERT_EQ(wall_rect_count, 1);
    EXPECT_EQ(wall_rects[0]->x, 303.0f);
    EXPECT_EQ(player_count, 2);
    EXPECT_EQ(kill_count, 0);
    EXPECT_EQ(hurt_flash, 0);
    EXPECT_EQ(player_x[0], 2500.0f);
    EXPECT_EQ(player_y[0], 2450.0f);
    EXPECT_EQ(player_x[3], 2500.0f);
    EXPECT_EQ(player_y[3], 2550.0f);
    EXPECT_EQ(camera_x, 2180.0f);
    EXPECT_EQ(camera_y, 2210.0f);
    EXPECT_EQ(aim_x, 2500.0f);
    EXPECT_EQ(aim_y, 2450.0f);
    EXPECT_EQ(view_scale, 1.0f);
    EXPECT_EQ(player_health[0], 100.0f);
    EXPECT_EQ(player_energy[0], 100.0f);
    clear_wall_rects();
    SDL_FreeSurface(world_surface);
    world_surface = nullptr;
    ASSERT_EQ(chdir(cwd), 0);
    std::string command = std::string("rm -rf ") + pattern;
    ASSERT_EQ(system(command.c_str()), 0);
}

INSTANTIATE_AT_BOTH_DEPTHS(MapChoice);
