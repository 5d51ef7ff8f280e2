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
        zombies[1]->health = 40.0f, kill_count = 12, player_energy[0] = 63.5f, screen_number = SCREEN_GAME_MENU;
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
    static std::vector<float> paused_game()
    {
        std::vector<float> game = {(float)kill_count, (float)wall_rect_count, player_energy[0]};
        for (int i = 0; i < zombie_count; i++)
            game.insert(game.end(), {zombies[i]->x, zombies[i]->y, zombies[i]->health});
        return game;
    }
};
INSTANTIATE_AT_ONE_DEPTH(GameMenu);

TEST_P(GameMenu, ResumeAndSaveThenExitThenLoadGameSaveContinueTheSameGame)
{
    ASSERT_EQ(mkdir("Saves", 0755), 0);
    const std::vector<float> paused = {12, 1, 63.5f, 2400, 2300.5f, 100, 2600.25f, 2380, 40};
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
        EXPECT_TRUE(c.y == 170 || paused_game() == paused) << c.y;
    }
    EXPECT_EQ(zombie_count + wall_rect_count, 0);
    load_game();
    EXPECT_EQ(screen_number, SCREEN_GAME);
    EXPECT_EQ(paused_game(), paused);
}

// "P1" is centred on player 0 at view x 320, its top 10 px above the centre (y 230).
TEST_P(GameMenu, PlayerLabelsOnlyWithSeveralPlayers)
{
    SDL_FillRect(view_surface, nullptr, 0);
    camera_x = 2180.0f, camera_y = 2210.0f;
    game_menu_screen();
    EXPECT_NE(read_pixel(view_surface, 320 - 18, 230), display_rgb('P', TEST_GLYPH_GREEN, 0));
    player_count = 2;
    game_menu_screen();
    expect_test_glyph(view_surface, 320 - 18, 230, 'P');
    expect_test_glyph(view_surface, 320 - 6, 230 + 22, '1');
}
