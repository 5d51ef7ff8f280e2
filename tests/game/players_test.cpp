// players_test.cpp -- walking directions, sprint, aim, separation, walls and the view clamp
#include <SDL.h>

#include <cmath>
#include <cstring>

#include "app/input.h"
#include "game/players.h"
#include "game/world.h"
#include "support.h"

class UpdatePlayers : public ::testing::Test {
protected:
    void SetUp() override
    {
        memset(key_state, 0, sizeof key_state);
        memset(mouse_x, 0, sizeof mouse_x);
        memset(mouse_y, 0, sizeof mouse_y);
        clear_wall_rects();
        clear_zombies();
        player_count = 1;
        for (int i = 0; i < MAX_PLAYERS; i++) {
            player_x[i] = 2500.0f;
            player_y[i] = 2450.0f;
        }
        player_energy[0] = 100.0f;
        camera_x = 2180.0f;
        camera_y = 2210.0f;
        view_scale = 1.0f;
        mouse_x[0] = 320;  // pointer at the view's centre
        mouse_y[0] = 240;
    }
    void TearDown() override
    {
        memset(key_state, 0, sizeof key_state);
        clear_wall_rects();
        player_count = 1;
    }

    static void press(int symbol) { key_state[symbol] = KEY_HELD; }
};

// Each combination of the four direction keys, on the letters and then on
// the arrows: the walk follows the sum of the key vectors at 5 px per frame,
// unless opposite keys are both down.
TEST_F(UpdatePlayers, TheKeysGiveEightDirectionsAndOppositeKeysCancel)
{
    const int letters[4] = {SDLK_w, SDLK_s, SDLK_a, SDLK_d};
    const int arrows[4] = {SDLK_UP, SDLK_DOWN, SDLK_LEFT, SDLK_RIGHT};
    for (const int *keys : {letters, arrows}) {
        for (int mask = 0; mask < 16; mask++) {
            SetUp();
            bool up = mask & 1, down = mask & 2, left = mask & 4, right = mask & 8;
            for (int k = 0; k < 4; k++)
                key_state[keys[k]] = (mask >> k) & 1 ? (k % 2 ? KEY_PRESSED : KEY_HELD) : KEY_UP;
            double vx = (double)right - (double)left, vy = (double)down - (double)up;
            if ((up && down) || (left && right))
                vx = vy = 0;
            double length = std::sqrt(vx * vx + vy * vy);
            double want_dx = length > 0 ? 5.0 * vx / length : 0.0;
            double want_dy = length > 0 ? 5.0 * vy / length : 0.0;
            update_players(1.0f);
            EXPECT_NEAR(player_x[0] - 2500.0f, want_dx, 1e-3) << "keys " << mask;
            EXPECT_NEAR(player_y[0] - 2450.0f, want_dy, 1e-3) << "keys " << mask;
        }
    }
    SetUp();
    press(SDLK_w);
    press(SDLK_d);
    update_players(1.0f);
    EXPECT_NEAR(player_x[0], 2503.54f, 0.005);
    EXPECT_NEAR(player_y[0], 2446.46f, 0.005);
}

TEST_F(UpdatePlayers, SprintWalksNinePerFrameAndCostsEnergyOnlyWhileMoving)
{
    press(SDLK_LSHIFT);
    update_players(1.0f);
    EXPECT_EQ(player_energy[0], 100.0f);
    EXPECT_EQ(player_x[0], 2500.0f);

    press(SDLK_d);
    update_players(1.0f);
    EXPECT_NEAR(player_x[0], 2509.0f, 1e-4);
    EXPECT_EQ(player_energy[0], (float)(100.0f - 1.35));

    player_energy[0] = 0.0f;  // an empty gauge goes below 0: the frame turns that into damage
    update_players(2.0f);
    EXPECT_NEAR(player_x[0], 2527.0f, 1e-3);
    EXPECT_EQ(player_energy[0], -1.35f);

    key_state[SDLK_LSHIFT] = KEY_UP;
    update_players(0.5f);
    EXPECT_NEAR(player_x[0], 2529.5f, 1e-3);
    EXPECT_EQ(player_energy[0], -1.35f);

    // Two sprinting players both pay from slot 0.
    player_count = 2;
    player_y[1] = 2600.0f;
    player_energy[0] = 50.0f;
    press(SDLK_LSHIFT);
    update_players(1.0f);
    EXPECT_NEAR(player_energy[0], 47.3f, 1e-4);
}

TEST_F(UpdatePlayers, TheAimPointUndoesTheZoomAndEachPlayerFacesItsOwnPointer)
{
    view_scale = 0.5f;
    mouse_x[0] = 640;
    mouse_y[0] = 480;
    update_players(1.0f);
    // 160 right of and 120 below the view's centre (2500, 2450)
    EXPECT_FLOAT_EQ(aim_x, 2660.0f);
    EXPECT_FLOAT_EQ(aim_y, 2570.0f);
    EXPECT_NEAR(player_angle[0], std::atan2(120.0, 160.0), 1e-6);

    view_scale = 1.0f;
    player_count = 2;
    player_x[1] = 2600.0f;
    player_y[1] = 2450.0f;
    update_players(1.0f);
    // The second player's pointer is never fed: it aims at display (0, 0).
    EXPECT_FLOAT_EQ(aim_x, camera_x);
    EXPECT_FLOAT_EQ(aim_y, camera_y);
    EXPECT_NEAR(player_angle[1], std::atan2(2210.0 - 2450.0, 2180.0 - 2600.0), 1e-6);
    EXPECT_NEAR(player_angle[0], std::atan2(240.0, 320.0), 1e-6);  // pointer still at (640, 480)
}

TEST_F(UpdatePlayers, PlayersArePushedApartFromBothSidesAndOutOfWalls)
{
    player_count = 2;
    player_x[1] = 2530.0f;
    update_players(1.0f);
    // (0, 1) moves each 1 apart, then (1, 0) each 0.5 more
    EXPECT_FLOAT_EQ(player_x[0], 2498.5f);
    EXPECT_FLOAT_EQ(player_x[1], 2531.5f);

    player_count = 1;
    player_x[0] = 2500.0f;
    add_wall_rect(2520.0f, 2400.0f, 12.0f, 100.0f);  // left edge 20 to the right
    press(SDLK_d);
    update_players(1.0f);
    EXPECT_FLOAT_EQ(player_x[0], 2503.0f);  // walked to 2505, pushed back to 17 from the edge
}

TEST_F(UpdatePlayers, PlayersStayInsideTheViewOfThePreviousFrame)
{
    // camera (2180, 2210): x from 2200 to 2795, y from 2230 to 2665
    player_x[0] = 2202.0f;
    press(SDLK_a);
    update_players(1.0f);
    EXPECT_EQ(player_x[0], 2200.0f);

    key_state[SDLK_a] = KEY_UP;
    player_x[0] = 2793.0f;
    player_y[0] = 2663.0f;
    press(SDLK_d);
    press(SDLK_s);
    update_players(1.0f);
    EXPECT_EQ(player_x[0], 2795.0f);
    EXPECT_EQ(player_y[0], 2665.0f);

    // At the map's edges the view clamp keeps players inside the map.
    camera_x = 0.0f;
    camera_y = 0.0f;
    player_x[0] = 3.0f;
    player_y[0] = 3.0f;
    update_players(1.0f);
    EXPECT_EQ(player_x[0], 20.0f);
    EXPECT_EQ(player_y[0], 20.0f);
    camera_x = 4360.0f;
    camera_y = 4520.0f;
    player_x[0] = 4999.0f;
    player_y[0] = 4999.0f;
    update_players(1.0f);
    EXPECT_EQ(player_x[0], 4975.0f);
    EXPECT_EQ(player_y[0], 4975.0f);
}
