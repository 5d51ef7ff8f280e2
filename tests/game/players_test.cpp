// players_test.cpp -- walking directions, sprint, aim, separation, walls and the view clamp
#include <cmath>

#include "game/players.h"
#include "game/world_fixture.h"

using UpdatePlayers = CleanWorld;  // player 0 at (2500, 2450), camera (2180, 2210), pointer at the centre

// Every set of the four keys, as letters and as arrows: the walk follows the
// sum of the key vectors at 5 px per frame (W and D: 3.54 on each axis)
// unless opposite keys are both down.
TEST_F(UpdatePlayers, TheKeysGiveEightDirectionsAndOppositeKeysCancelWhateverElseIsDown)
{
    const int letters[4] = {SDLK_w, SDLK_s, SDLK_a, SDLK_d}, arrows[4] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT};
    for (const int *keys : {letters, arrows})
        for (int mask = 0; mask < 16; mask++) {
            clean_world();
            for (int k = 0; k < 4; k++)
                key_state[keys[k]] = (mask >> k) & 1 ? (k % 2 ? KEY_PRESSED : KEY_HELD) : KEY_UP;
            bool up = mask & 1, down = mask & 2, left = mask & 4, right = mask & 8, cancel = (up && down) || (left && right);
            double vx = cancel ? 0 : (double)right - left, vy = cancel ? 0 : (double)down - up;
            double length = std::sqrt(vx * vx + vy * vy), step = length > 0 ? 5.0 / length : 0.0;
            update_players(1.0f);
            EXPECT_NEAR(player_x[0] - 2500.0f, vx * step, 1e-3) << "keys " << mask;
            EXPECT_NEAR(player_y[0] - 2450.0f, vy * step, 1e-3) << "keys " << mask;
        }
}

// An empty gauge goes below 0: the game frame turns that into damage. Both
// sprinting players pay from slot 0.
TEST_F(UpdatePlayers, SprintWalksNinePerFrameAndCostsSlotZerosEnergyOnlyWhileMoving)
{
    const struct { int players, shift, right; float speed, energy, want_x, want_energy; } frames[] = {
        {1, KEY_HELD, KEY_UP, 1, 100, 2500, 100},    {1, KEY_HELD, KEY_HELD, 1, 100, 2509, (float)(100.0f - 1.35)},
        {1, KEY_HELD, KEY_HELD, 2, 0, 2527, -1.35f}, {1, KEY_UP, KEY_HELD, 0.5f, -1.35f, 2529.5f, -1.35f},
        {2, KEY_HELD, KEY_HELD, 1, 50, 2538.5f, 47.3f}};
    for (const auto &f : frames) {
        player_count = f.players, player_energy[0] = f.energy;
        key_state[SDLK_LSHIFT] = f.shift, key_state[SDLK_d] = f.right;
        update_players(f.speed);
        EXPECT_NEAR(player_x[0], f.want_x, 1e-3) << f.speed;
        EXPECT_NEAR(player_energy[0], f.want_energy, 1e-5) << f.speed;
    }
}

TEST_F(UpdatePlayers, TheAimUndoesTheZoomAndASecondPlayerAimsAtTheDisplaysCorner)
{
    view_scale = 0.5f;
    mouse_x[0] = 640, mouse_y[0] = 480;
    update_players(1.0f);
    EXPECT_EQ((std::vector<float>{aim_x, aim_y}), (std::vector<float>{2660, 2570}));  // 160 right of, 120 below the centre
    EXPECT_NEAR(player_angle[0], std::atan2(120.0, 160.0), 1e-6);
    view_scale = 1.0f;
    player_count = 2;
    player_x[1] = 2600.0f, player_y[1] = 2450.0f;
    update_players(1.0f);
    EXPECT_EQ((std::vector<float>{aim_x, aim_y}), (std::vector<float>{camera_x, camera_y}));  // pointer 1 is never fed
    EXPECT_NEAR(player_angle[1], std::atan2(2210.0 - 2450.0, 2180.0 - 2600.0), 1e-6);
    EXPECT_NEAR(player_angle[0], std::atan2(240.0, 320.0), 1e-6);
}

TEST_F(UpdatePlayers, PlayersArePushedApartFromBothSidesThenOutOfWallsThenIntoThePreviousView)
{
    player_count = 2;
    player_x[1] = 2530.0f, player_y[1] = 2450.0f;
    update_players(1.0f);
    // (0, 1) moves each 1 apart, then (1, 0) each 0.5 more
    EXPECT_EQ((std::vector<float>{player_x[0], player_x[1]}), (std::vector<float>{2498.5f, 2531.5f}));
    clean_world();
    add_wall_rect(2520.0f, 2400.0f, 12.0f, 100.0f);  // left edge 20 to the right
    key_state[SDLK_d] = KEY_HELD;
    update_players(1.0f);
    EXPECT_FLOAT_EQ(player_x[0], 2503.0f);  // walked to 2505, back to 17 from the edge

    // Camera (2180, 2210): x within 2200 to 2795, y within 2230 to 2665.
    const struct { float camera_x, camera_y, x, y, want_x, want_y; } clamps[] = {
        {2180, 2210, 2793, 2663, 2795, 2665}, {2180, 2210, 2202, 2232, 2200, 2230},
        {0, 0, 3, 3, 20, 20}, {4360, 4520, 4999, 4999, 4975, 4975}};
    for (const auto &c : clamps) {
        camera_x = c.camera_x, camera_y = c.camera_y, player_x[0] = c.x, player_y[0] = c.y;
        key_state[SDLK_d] = key_state[SDLK_s] = c.x > 2500 ? KEY_HELD : KEY_UP;
        key_state[SDLK_a] = key_state[SDLK_w] = c.x > 2500 ? KEY_UP : KEY_HELD;
        update_players(1.0f);
        EXPECT_EQ((std::vector<float>{player_x[0], player_y[0]}), (std::vector<float>{c.want_x, c.want_y})) << c.x;
    }
}
