// game_menu_test.cpp -- pausing: the frozen scene, resume, save and exit
#include "app/main_loop.h"
#include "game/world.h"
#include "maps/map_file.h"
#include "maps/save_game.h"
#include "support.h"
#include "ui/game_menu.h"

// A paused game with one wall and two zombies, one of them hurt.
class GameMenu : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        view_surface = display_like_surface(640, 480);
        world_surface = display_like_surface(640, 480);
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
    }
    void TearDown() override
    {
        clear_zombies();
        clear_wall_rects();
        SDL_FreeSurface(view_surface);
        SDL_FreeSurface(world_surface);
        view_surface = world_surface = nullptr;
        ScreenTest::TearDown();
    }
    static void expect_the_paused_game()
    {
        ASSERT_EQ(zombie_count, 2);
        EXPECT_EQ((std::vector<float>{zombies[0]->x, zombies[0]->y, zombies[1]->x, zombies[1]->health, player_energy[0]}),
                  (std::vector<float>{2400.0f, 2300.5f, 2600.25f, 40.0f, 63.5f}));
        EXPECT_TRUE(kill_count == 12 && wall_rect_count == 1);
    }
};

TEST_P(GameMenu, ResumeAndSaveThenExitThenLoadGameSaveContinueTheSameGame)
{
    ASSERT_EQ(mkdir("Saves", 0755), 0);
    point_at(10, 10, KEY_UP);
    for (int i = 0; i < 5; i++)
        game_menu_screen();
    EXPECT_EQ(screen_number, SCREEN_GAME_MENU);
    // "Resume", "Save", "Exit"
    const struct { int y, screen; } clicks[] = {{110, SCREEN_GAME}, {140, SCREEN_GAME}, {170, SCREEN_MAIN_MENU}};
    for (const auto &c : clicks) {
        screen_number = SCREEN_GAME_MENU;
        click(320, c.y);
        game_menu_screen();
        EXPECT_EQ(screen_number, c.screen) << c.y;
        if (c.y < 170)
            expect_the_paused_game();
    }
    EXPECT_EQ(zombie_count + wall_rect_count, 0);
    load_game();
    EXPECT_EQ(screen_number, SCREEN_GAME);
    expect_the_paused_game();
}

// "P1" is centred on player 0 at view x 320, its top 10 px above the centre (y 230).
TEST_P(GameMenu, PlayerLabelsOnlyWithSeveralPlayers)
{
    SDL_FillRect(view_surface, nullptr, 0);
    camera_x = 2180.0f;
    camera_y = 2210.0f;
    game_menu_screen();
    EXPECT_NE(read_pixel(view_surface, 320 - 18, 230), display_rgb('P', TEST_GLYPH_GREEN, 0));
    player_count = 2;
    game_menu_screen();
    expect_test_glyph(view_surface, 320 - 18, 230, 'P');
    expect_test_glyph(view_surface, 320 - 6, 230 + 22, '1');
}

INSTANTIATE_AT_BOTH_DEPTHS(GameMenu);
