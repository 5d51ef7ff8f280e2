// game_menu_test.cpp -- pausing: the frozen scene, resume, save and exit
#include <sys/stat.h>

#include <cstring>

#include "app/assets.h"
#include "app/display.h"
#include "app/input.h"
#include "app/main_loop.h"
#include "game/game_frame.h"
#include "game/world.h"
#include "maps/map_file.h"
#include "maps/save_game.h"
#include "support.h"
#include "ui/game_menu.h"

class GameMenu : public DisplayTest {
protected:
    char previous[4096];
    char folder[64];
    void SetUp() override
    {
        DisplayTest::SetUp();
        make_test_artwork();
        view_surface = SDL_DisplayFormat(display_surface);
        world_surface = SDL_DisplayFormat(display_surface);
        ASSERT_NE(getcwd(previous, sizeof previous), nullptr);
        strcpy(folder, "/tmp/rotwalk_pause_XXXXXX");
        ASSERT_NE(mkdtemp(folder), nullptr);
        ASSERT_EQ(chdir(folder), 0);
        memset(map_tiles, 0, sizeof map_tiles);
        map_tiles[3][7] = TILE_WALL_LEFT;
        player_count = 1;
        reset_world_for_new_game();
        add_wall_rect(303, 700, 12, 100);
        spawn_zombie(2400.0f, 2300.5f);
        spawn_zombie(2600.25f, 2380.0f);
        zombies[1]->health = 40.0f;
        kill_count = 12;
        player_energy[0] = 63.5f;
        screen_number = SCREEN_GAME_MENU;
        mouse_button_state[SDL_BUTTON_LEFT] = KEY_UP;
    }
    void TearDown() override
    {
        clear_zombies();
        clear_wall_rects();
        ASSERT_EQ(chdir(previous), 0);
        std::string command = std::string("rm -rf ") + folder;
        ASSERT_EQ(system(command.c_str()), 0);
        SDL_FreeSurface(view_surface);
        SDL_FreeSurface(world_surface);
        view_surface = world_surface = nullptr;
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

TEST_P(GameMenu, ResumeLeavesTheWorldUntouched)
{
    mouse_x[0] = 10;
    mouse_y[0] = 10;
    for (int i = 0; i < 5; i++)
        game_menu_screen();
    click(320, 110);
    game_menu_screen();
    EXPECT_EQ(screen_number, SCREEN_GAME);
    ASSERT_EQ(zombie_count, 2);
    EXPECT_EQ(zombies[0]->x, 2400.0f);
    EXPECT_EQ(zombies[1]->health, 40.0f);
    EXPECT_EQ(kill_count, 12);
    EXPECT_EQ(player_energy[0], 63.5f);
    EXPECT_EQ(wall_rect_count, 1);
}

TEST_P(GameMenu, SaveThenExitThenLoadResumesTheSameGame)
{
    ASSERT_EQ(mkdir("Saves", 0755), 0);
    click(320, 140);
    game_menu_screen();
    EXPECT_EQ(screen_number, SCREEN_GAME);
    screen_number = SCREEN_GAME_MENU;
    click(320, 170);
    game_menu_screen();
    EXPECT_EQ(screen_number, SCREEN_MAIN_MENU);
    EXPECT_EQ(zombie_count, 0);
    EXPECT_EQ(wall_rect_count, 0);

    load_game();
    EXPECT_EQ(screen_number, SCREEN_GAME);
    ASSERT_EQ(zombie_count, 2);
    EXPECT_EQ(zombies[0]->y, 2300.5f);
    EXPECT_EQ(zombies[1]->x, 2600.25f);
    EXPECT_EQ(zombies[1]->health, 40.0f);
    EXPECT_EQ(kill_count, 12);
    EXPECT_EQ(player_energy[0], 63.5f);
    EXPECT_EQ(wall_rect_count, 1);
}

TEST_P(GameMenu, PlayerLabelsOnlyWithSeveralPlayers)
{
    SDL_FillRect(view_surface, nullptr, 0);
    camera_x = 2180.0f;
    camera_y = 2210.0f;
    game_menu_screen();
    // "P1" centred on player 0 at view x 320, top 10 px above its centre (y 230).
    Uint8 r, g, b;
    pixel_rgb(view_surface, 320 - 18, 230, &r, &g, &b);
    EXPECT_NE(r, 'P');
    player_count = 2;
    game_menu_screen();
    expect_rgb(view_surface, 320 - 18, 230, 'P', TEST_GLYPH_GREEN, 0);
    expect_rgb(view_surface, 320 - 6, 230 + 22, '1', TEST_GLYPH_GREEN, 0);
}

INSTANTIATE_AT_BOTH_DEPTHS(GameMenu);
