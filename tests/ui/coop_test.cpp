// coop_test.cpp -- the join screen driven by real joystick events: joining, leaving, the mode, the slots
#include "app/frame_clock.h"
#include "app/input.h"
#include "app/pads.h"
#include "game/controls.h"
#include "support.h"
#include "ui/coop.h"
#include "ui/screens.h"

static void press_pad(int pad, int button)
{
    push_pad(SDL_JOYBUTTONDOWN, pad, button);  // released a frame later, as a held press is
}

// One frame of the screen after the queued events.
static void coop_frame()
{
    update_input();
    coop_screen();
}

static void release_all_pads()
{
    for (int pad = 0; pad < 4; pad++)
        for (int button = 0; button < 8; button++)
            push_pad(SDL_JOYBUTTONUP, pad, button);
    coop_frame();
}

using CoopJoin = ScreenTest;

// The keyboard, touched last, holds P1; pads' A's take the next free slots
// without clicking; B leaves, or goes back from a pad not in; Start shows
// the modes, and a mode closes the slots up into the game's players.
TEST_P(CoopJoin, PadsJoinAndLeaveThenStartClosesTheSlotsUp)
{
    active_device = DEVICE_KEYBOARD;
    pads_drive_pointer = true;
    open_coop_screen();
    EXPECT_EQ(join_device[0], DEVICE_KEYBOARD);
    const struct {
        int pad, button;
        int expected[MAX_PLAYERS];
    } steps[] = {
        {1, 0, {DEVICE_KEYBOARD, 1, DEVICE_NONE, DEVICE_NONE}},
        {2, 0, {DEVICE_KEYBOARD, 1, 2, DEVICE_NONE}},
        {1, 1, {DEVICE_KEYBOARD, DEVICE_NONE, 2, DEVICE_NONE}},  // B leaves
        {3, 0, {DEVICE_KEYBOARD, 3, 2, DEVICE_NONE}},            // the first free slot
    };
    for (const auto &step : steps) {
        press_pad(step.pad, step.button);
        coop_frame();
        EXPECT_NE(mouse_button_state[SDL_BUTTON_LEFT], KEY_PRESSED);  // joining clicks nothing
        for (int i = 0; i < MAX_PLAYERS; i++)
            EXPECT_EQ(join_device[i], step.expected[i]) << "pad " << step.pad << " slot " << i;
        release_all_pads();
        EXPECT_EQ(screen_number, SCREEN_COOP);
    }
    push_event(SDL_KEYDOWN, SDLK_BACKSPACE);
    coop_frame();
    EXPECT_EQ(join_device[0], DEVICE_NONE);
    push_event(SDL_KEYUP, SDLK_BACKSPACE);
    push_event(SDL_KEYDOWN, SDLK_RETURN);
    coop_frame();
    EXPECT_EQ(join_device[0], DEVICE_KEYBOARD);
    press_pad(2, 7);  // Start on the Xbox layout
    coop_frame();
    EXPECT_TRUE(choosing_coop_mode);
    release_all_pads();
    point_at(50, 170, KEY_PRESSED);  // the second mode row, "Waves"
    coop_screen();
    EXPECT_EQ(screen_number, SCREEN_CHOOSE_MAP_TO_PLAY);
    EXPECT_EQ(game_mode, MODE_WAVES);
    ASSERT_EQ(player_count, 3);
    EXPECT_TRUE(player_device[0] == DEVICE_KEYBOARD && player_device[1] == 3 &&
                player_device[2] == 2 && player_device[3] == DEVICE_NONE);

    screen_number = SCREEN_COOP;
    choosing_coop_mode = false;
    point_at(0, 0, KEY_UP);
    press_pad(0, 1);  // B from a pad that is not in: back to the menu
    coop_frame();
    EXPECT_EQ(screen_number, SCREEN_MAIN_MENU);
    close_pads();
    player_count = 1;
}

// A loaded game of several seats P1 at the keyboard and the rest at the pads
// in order. In play, a pad that plays in no slot takes the first empty one
// with A, or adds a player beside P1 while there is room; a pause reopens
// the pads and each player keeps theirs.
TEST_P(CoopJoin, LoadedPlayersSitInOrderAndPadsDropIn)
{
    pads[0].present = pads[2].present = true;
    player_count = 3;
    EXPECT_EQ(bind_players_in_order(), -1);
    EXPECT_TRUE(player_device[0] == DEVICE_KEYBOARD && player_device[1] == 0 &&
                player_device[2] == 2 && player_device[3] == DEVICE_NONE);
    player_count = 4;
    EXPECT_EQ(bind_players_in_order(), 3);

    player_count = 2;
    player_device[1] = DEVICE_NONE;
    player_x[0] = 1000.0f;
    player_y[0] = 700.0f;
    const struct {
        int pad, slot, count;
    } steps[] = {{2, 1, 2}, {2, -1, 2}, {0, 2, 3}, {1, 3, 4}, {3, -1, 4}};
    for (const auto &step : steps) {
        press_pad(step.pad, 0);
        update_input();
        EXPECT_EQ(drop_in_pad(), step.slot) << "pad " << step.pad;
        EXPECT_EQ(player_count, step.count) << "pad " << step.pad;
        release_all_pads();
    }
    EXPECT_TRUE(player_device[1] == 2 && player_device[2] == 0 && player_device[3] == 1);
    EXPECT_TRUE(player_x[3] == 1000.0f + DROP_IN_OFFSET && player_y[3] == 700.0f &&
                stick_aim_angle[3] == START_AIM_ANGLE);
    reopen_pads_keeping_players();  // SDL lists none of them: they keep their numbers
    EXPECT_TRUE(player_device[1] == 2 && player_device[2] == 0 && player_device[3] == 1);

    player_count = 1;
    press_pad(3, 0);
    update_input();
    EXPECT_EQ(drop_in_pad(), -1);  // one player plays alone
    close_pads();
}

INSTANTIATE_AT_ONE_DEPTH(CoopJoin);
