// game_frame_test.cpp -- facings, energy and health, the camera, firing, pause and game over
#include <cmath>
#include <cstdlib>

#include "app/main_loop.h"
#include "game/game_frame.h"
#include "game/world_fixture.h"

TEST(FacingFrame, OneFrameInSixtyFourFallingAsTheAngleGrowsForAnyAngle)
{
    const struct { double angle; int frame; } facings[] = {
        {0, 63}, {M_PI / 2, 47}, {M_PI, 31}, {-M_PI, 31}, {-M_PI / 2, 15},
        {M_PI / 2 + 20 * M_PI, 47}, {-M_PI / 2 - 8 * M_PI, 15}};  // far outside: reduced first
    for (const auto &f : facings)
        EXPECT_EQ(facing_frame((float)f.angle), f.frame) << f.angle;
    for (float angle : {1e30f, -1e30f, INFINITY, -INFINITY, NAN})
        EXPECT_TRUE(facing_frame(angle) >= 0 && facing_frame(angle) <= 63) << angle;
    for (int k = 1; k < 64; k++)  // one frame less per 64th of a turn; 63 follows 0
        EXPECT_EQ(facing_frame((float)(-M_PI + 0.01 + k * M_PI / 32)), (31 - k + 64) % 64) << k;
}

using EnergyAndHealth = CleanWorld;

TEST_F(EnergyAndHealth, HealthRegeneratesFasterOnlyOnExactlyFullEnergyAndStaysWithinItsRange)
{
    const struct { float health, energy, want_health, want_energy; } frames[] = {
        {50, 100, 50.2f, 100}, {50, 98.5f, 50.1f, 99.25f}, {99.95f, 99.8f, 100, 100}};
    for (const auto &f : frames) {
        player_health[0] = f.health, player_energy[0] = f.energy;
        update_energy();
        update_health();
        EXPECT_NEAR(player_health[0], f.want_health, 1e-5) << f.health;
        EXPECT_EQ(player_energy[0], f.want_energy) << f.health;
    }
}

TEST_F(EnergyAndHealth, OverspentEnergyBecomesDamageThatBleedsOnceAndFlashesInStepsOfFour)
{
    player_energy[0] = 0.25f;
    update_energy();  // 1.0, then a shot costs 1.5
    mouse_button_state[SDL_BUTTON_LEFT] = KEY_PRESSED;
    fire_weapons();
    EXPECT_EQ(player_energy[0], 0.0f);
    EXPECT_NEAR(pending_damage, 0.1f, 1e-6);
    player_energy[0] = -2.0f;  // a sprint's overspending, charged by the energy step
    update_energy();
    EXPECT_EQ(player_energy[0], 0.0f);
    EXPECT_NEAR(pending_damage, 0.35f, 1e-6);

    player_health[0] = 80.0f, hurt_flash = 96;
    srand(5);
    int draws[4];
    for (int &d : draws)
        d = rand();
    srand(5);
    update_health();
    EXPECT_EQ(rand(), draws[3]);  // one splat: frame, y and x offsets
    EXPECT_NEAR(player_health[0], 79.65f, 1e-5);
    EXPECT_EQ((std::vector<float>{pending_damage, (float)hurt_flash}), (std::vector<float>{0, 100}));
    const struct { float damage; int flash_before, flash_after; } flashes[] = {
        {1, 100, 100}, {0, 100, 96}, {0, 2, 0}};  // 2: only a save file holds it
    for (const auto &f : flashes) {
        hurt_flash = f.flash_before, pending_damage = f.damage;
        update_health();
        EXPECT_EQ(hurt_flash, f.flash_after) << f.flash_before;
    }
    player_health[0] = 0.5f, pending_damage = 5.0f;
    update_health();
    EXPECT_EQ(player_health[0], 0.0f);
}

TEST_F(EnergyAndHealth, AHeldButtonFiresEverySecondFrameAndEachShotCostsEnergy)
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

using Camera = CleanWorld;

TEST_F(Camera, LeadsTowardsTheAimWithOnePlayerFollowsTheMeanOfSeveralAndStopsAtTheEdges)
{
    const struct { int players; float x0, y0, x1, y1, aim_x, aim_y, want_x, want_y; } cases[] = {
        {1, 2500, 2450, 0, 0, 2700, 2450, 2240, 2210},        // 30 percent of the way to the aim
        {1, 10, 4990, 0, 0, 10, 4990, 0, 4520},               // the map's corners
        {1, 4990, 10, 0, 0, 4990, 10, 4360, 0},
        {2, 1000, 1000, 2000, 3000, 4000, 4000, 1180, 1760},  // the mean, whatever the aim
    };
    for (const auto &c : cases) {
        player_count = c.players, player_x[0] = c.x0, player_y[0] = c.y0, player_x[1] = c.x1, player_y[1] = c.y1;
        aim_x = c.aim_x, aim_y = c.aim_y;
        for (int i = 0; i < 400; i++)
            update_camera();
        EXPECT_NEAR(camera_x, c.want_x, 0.01f) << c.x0 << "," << c.y0;
        EXPECT_NEAR(camera_y, c.want_y, 0.01f) << c.x0 << "," << c.y0;
    }
}

class GameFrame : public WorldPicture {};
INSTANTIATE_AT_ONE_DEPTH(GameFrame);

// The button's edges are the buttons' own test; here a click inside pauses.
TEST_P(GameFrame, PauseOnlyFromInsideItsFrameAndHealthZeroEndsTheGame)
{
    view_surface = display_like_surface(VIEW_W, VIEW_H);
    for (int x : {500, 599}) {
        screen_number = SCREEN_GAME;
        click(x, 419);
        game_frame(1.0f);
        EXPECT_EQ(screen_number, x == 500 ? SCREEN_GAME : SCREEN_GAME_MENU) << x;
    }
    screen_number = SCREEN_GAME;
    place_zombie(100, 100);
    add_wall_rect(0, 0, 10, 10);
    player_health[0] = 0.05f, pending_damage = 5.0f;
    game_frame(1.0f);
    EXPECT_EQ((std::vector<float>{player_health[0], (float)(zombie_count + wall_rect_count), (float)screen_number}),
              (std::vector<float>{0, 0, SCREEN_GAME_OVER}));
}
