// game_frame_test.cpp -- facings, energy and health, the camera, firing, pause and game over
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "app/assets.h"
#include "app/display.h"
#include "app/input.h"
#include "app/main_loop.h"
#include "game/game_frame.h"
#include "game/world.h"
#include "maps/map_file.h"
#include "support.h"

TEST(FacingFrame, FallsAsTheAngleGrowsAndStaysInRangeForAnyAngle)
{
    EXPECT_EQ(facing_frame(0.0f), 63);
    EXPECT_EQ(facing_frame((float)(M_PI / 2)), 47);
    EXPECT_EQ(facing_frame((float)M_PI), 31);
    EXPECT_EQ(facing_frame((float)-M_PI), 31);
    EXPECT_EQ(facing_frame((float)(-M_PI / 2)), 15);
    EXPECT_EQ(facing_frame((float)(M_PI / 2 + 20 * M_PI)), 47);  // reduced first
    EXPECT_EQ(facing_frame((float)(-M_PI / 2 - 8 * M_PI)), 15);
    for (float angle : {1e30f, -1e30f, 7.0f, -7.0f, INFINITY, -INFINITY, NAN}) {
        int frame = facing_frame(angle);
        EXPECT_GE(frame, 0) << angle;
        EXPECT_LE(frame, 63) << angle;
    }
    // One frame per 1/64 turn, falling as the angle grows (63 follows 0).
    int previous = facing_frame((float)(-M_PI + 0.01));
    for (int k = 1; k < 64; k++) {
        int frame = facing_frame((float)(-M_PI + 0.01 + k * M_PI / 32));
        EXPECT_EQ(frame, (previous + 63) % 64) << k;
        previous = frame;
    }
}

class GameFrame : public DisplayTest {
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        make_test_artwork();
        view_surface = SDL_DisplayFormat(display_surface);
        memset(key_state, 0, sizeof key_state);
        memset(mouse_button_state, 0, sizeof mouse_button_state);
        memset(map_tiles, 0, sizeof map_tiles);
        mouse_x[0] = 320;
        mouse_y[0] = 240;
        player_count = 1;
        reset_world_for_new_game();
        screen_number = SCREEN_GAME;
        srand(1);
    }
    void TearDown() override
    {
        clear_zombies();
        clear_wall_rects();
        SDL_FreeSurface(view_surface);
        view_surface = nullptr;
        free_test_artwork();
        DisplayTest::TearDown();
    }
};

TEST_P(GameFrame, HealthRegeneratesFasterOnFullEnergy)
{
    player_health[0] = 50.0f;
    player_energy[0] = 100.0f;
    update_energy();
    update_health();
    EXPECT_FLOAT_EQ(player_health[0], 50.2f);
    player_energy[0] = 98.5f;
    update_energy();
    EXPECT_FLOAT_EQ(player_energy[0], 99.25f);
    update_health();
    EXPECT_FLOAT_EQ(player_health[0], 50.3f);
    player_health[0] = 99.95f;
    update_health();
    EXPECT_EQ(player_health[0], 100.0f);
}

TEST_P(GameFrame, OverspentEnergyBecomesDamageNextFrameWithBloodAndFlash)
{
    player_energy[0] = 0.25f;
    update_energy();  // 1.0
    mouse_button_state[SDL_BUTTON_LEFT] = KEY_PRESSED;
    fire_weapons();
    EXPECT_EQ(player_energy[0], 0.0f);
    EXPECT_NEAR(pending_damage, 0.1f, 1e-6);
    EXPECT_EQ(fire_cooldown[0], 1);

    float health = player_health[0] = 80.0f;
    srand(5);
    update_health();
    EXPECT_NEAR(player_health[0], health - 0.1f, 1e-5);
    EXPECT_EQ(pending_damage, 0.0f);
    EXPECT_EQ(hurt_flash, 4);
    // One splat: three draws (frame, y offset, x offset) came from rand().
    srand(5);
    rand(), rand(), rand();
    int next = rand();
    srand(5);
    paint_blood_splat(0, 0, SPLAT_SPREAD_HIT);
    EXPECT_EQ(rand(), next);
}

TEST_P(GameFrame, HurtFlashStepsByFourWithinItsRange)
{
    hurt_flash = 96;
    for (int i = 0; i < 3; i++) {
        pending_damage = 1.0f;
        update_health();
    }
    EXPECT_EQ(hurt_flash, 100);
    update_health();
    EXPECT_EQ(hurt_flash, 96);
    hurt_flash = 2;  // only a save file can hold this
    update_health();
    EXPECT_EQ(hurt_flash, 0);
    update_health();
    EXPECT_EQ(hurt_flash, 0);
}

TEST_P(GameFrame, TheCameraLeadsTowardsTheAimAndStopsAtTheEdges)
{
    aim_x = 2700.0f;
    aim_y = 2450.0f;
    for (int i = 0; i < 400; i++)
        update_camera();
    EXPECT_NEAR(camera_x, 2240.0f, 0.01f);
    EXPECT_NEAR(camera_y, 2210.0f, 0.01f);

    player_x[0] = aim_x = 10.0f;
    player_y[0] = aim_y = 4990.0f;
    for (int i = 0; i < 400; i++)
        update_camera();
    EXPECT_EQ(camera_x, 0.0f);
    EXPECT_EQ(camera_y, 4520.0f);

    // Two players: their mean, whatever the aim.
    player_count = 2;
    camera_x = 0;
    camera_y = 0;
    player_x[0] = 1000.0f, player_y[0] = 1000.0f;
    player_x[1] = 2000.0f, player_y[1] = 3000.0f;
    aim_x = 4000.0f;
    for (int i = 0; i < 400; i++)
        update_camera();
    EXPECT_NEAR(camera_x, 1500.0f - 320.0f, 0.01f);
    EXPECT_NEAR(camera_y, 2000.0f - 240.0f, 0.01f);
}

TEST_P(GameFrame, AHeldButtonFiresEverySecondFrameAndCostsEnergy)
{
    mouse_button_state[SDL_BUTTON_LEFT] = KEY_HELD;
    int fired = 0;
    for (int i = 0; i < 6; i++) {
        float before = player_energy[0];
        fire_weapons();
        fired += player_energy[0] < before;
    }
    EXPECT_EQ(fired, 3);
    EXPECT_FLOAT_EQ(player_energy[0], 95.5f);
}

TEST_P(GameFrame, PauseOnlyInsideItsFrameAndHealthZeroEndsTheGame)
{
    mouse_button_state[SDL_BUTTON_LEFT] = KEY_PRESSED;
    for (int x : {500, 600}) {
        mouse_x[0] = x;
        mouse_y[0] = 410;
        game_frame(1.0f);
        EXPECT_EQ(screen_number, SCREEN_GAME);
        mouse_button_state[SDL_BUTTON_LEFT] = KEY_PRESSED;
        fire_cooldown[0] = 1;  // keep the pointer's clicks from costing energy
    }
    mouse_x[0] = 550;
    mouse_y[0] = 420;
    game_frame(1.0f);
    EXPECT_EQ(screen_number, SCREEN_GAME);
    mouse_y[0] = 419;
    mouse_button_state[SDL_BUTTON_LEFT] = KEY_PRESSED;
    game_frame(1.0f);
    EXPECT_EQ(screen_number, SCREEN_GAME_MENU);

    screen_number = SCREEN_GAME;
    spawn_zombie(100, 100);
    add_wall_rect(0, 0, 10, 10);
    player_health[0] = 0.05f;
    pending_damage = 5.0f;
    game_frame(1.0f);
    EXPECT_EQ(player_health[0], 0.0f);
    EXPECT_EQ(zombie_count, 0);
    EXPECT_EQ(wall_rect_count, 0);
    EXPECT_EQ(screen_number, SCREEN_MAIN_MENU);
}

INSTANTIATE_AT_BOTH_DEPTHS(GameFrame);
