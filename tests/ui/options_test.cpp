// options_test.cpp -- the options and controls screens: their buttons, the file they write, the keys
#include <sys/stat.h>

#include <cstdio>

#include "app/input.h"
#include "app/key_bindings.h"
#include "app/pads.h"
#include "app/settings.h"
#include "game/world_fixture.h"
#include "main_loop.h"
#include "ui/controls_menu.h"
#include "ui/focus.h"
#include "ui/notice.h"
#include "ui/options.h"
#include "ui/overlay.h"
#include "ui/screens.h"

using OptionsTest = ScreenTest;

// One frame of `screen` with a click at (x, y).
static void click_frame(void (*screen)(), int x, int y)
{
    click(x, y);
    screen();
    point_at(x, y, KEY_UP);
}

// Each click changes its value at once, within its range; "Back" writes
// the values into the player's file and goes back where the screen was
// opened from. A file that cannot be written is told.
TEST_P(OptionsTest, TheButtonsChangeTheValuesAndBackWritesThemIntoThePlayersFile)
{
    write_text_file(SETTINGS_FILE, "# mine\nmusicvolume = 100\n");
    load_settings();
    open_options_screen(SCREEN_GAME_MENU);
    // Music + at 100, music -, effects +, the system pointer, the title
    // screen's replay, the colour depth, "Back".
    for (auto c :
         {std::pair{540, 155}, {420, 155}, {540, 179}, {50, 250}, {50, 274}, {50, 298}, {550, 405}})
        click_frame(options_screen, c.first, c.second);
    EXPECT_EQ(screen_number, SCREEN_GAME_MENU);
    EXPECT_EQ(read_file(SETTINGS_FILE).substr(0, 24), "# mine\nmusicvolume = 90\n");
    load_settings();
    EXPECT_TRUE(setting_music_volume == 90 && setting_effects_volume == 90 && setting_show_cursor &&
                !setting_attract && setting_color_depth == 16);
    ASSERT_TRUE(remove(SETTINGS_FILE) == 0 && mkdir(SETTINGS_FILE, 0755) == 0);
    open_options_screen(SCREEN_MAIN_MENU);
    click_frame(options_screen, 550, 405);
    EXPECT_EQ(std::string(notice_text).rfind("Could not save settings.ini", 0), 0u) << notice_text;
    EXPECT_EQ(screen_number, SCREEN_MAIN_MENU);
    ASSERT_EQ(rmdir(SETTINGS_FILE), 0);
    load_settings();
    clear_notice();
}

// A key bound to walking up replaces W and the arrows still walk. While
// the screen waits, an arrow is neither taken (it walks already) nor a step
// of the menu's highlight. A key another action had goes to that action's
// old key, so no key does two things.
TEST_P(OptionsTest, ABoundKeyReplacesItsDefaultAndTheArrowsStillWalk)
{
    init_overlay();
    screen_number = SCREEN_CONTROLS;
    click_frame(controls_screen, 50, 131);              // "Up"
    for (int key : {0, (int)SDLK_DOWN, (int)SDLK_z}) {  // a frame to take the pointer, then keys
        if (key)
            push_event(SDL_KEYDOWN, key);
        run_frame();
        EXPECT_EQ(focus_index, NO_FOCUS);
    }
    memset(key_state, 0, sizeof key_state);
    EXPECT_EQ(binding_action, NO_ACTION_WAITING);
    const int up = direction_of(true, false, false, false);
    for (auto w : {std::pair{SDLK_z, up}, {SDLK_w, NO_DIRECTION}, {SDLK_UP, up}}) {
        key_state[w.first] = KEY_HELD;
        EXPECT_EQ(keyboard_direction(), w.second) << w.first;
        key_state[w.first] = KEY_UP;
    }
    bind_key(ACTION_LEFT, SDLK_z);
    EXPECT_EQ(key_bindings[ACTION_UP], SDLK_a);

    // The pad row asks for fire, sprint, start and back in turn, and B and A
    // only bind; "Defaults" gives the keys and the pad's layout back.
    click_frame(controls_screen, 50, 371);
    for (int button : {1, 0, 9, 8}) {
        push_pad(SDL_JOYBUTTONDOWN, 0, button);
        run_frame();
        push_pad(SDL_JOYBUTTONUP, 0, button);
    }
    EXPECT_TRUE(screen_number == SCREEN_CONTROLS && !controls_waiting());
    EXPECT_EQ((std::vector<int>{pad_button_override[PAD_FIRE], pad_button_override[PAD_SPRINT],
                                pad_button_override[PAD_START], pad_button_override[PAD_BACK]}),
              (std::vector<int>{1, 0, 9, 8}));
    click_frame(controls_screen, 50, 299);
    EXPECT_TRUE(pad_button_override[PAD_FIRE] == NO_CONTROL && key_bindings[ACTION_UP] == SDLK_w);
    close_pads();
}

INSTANTIATE_AT_ONE_DEPTH(OptionsTest);
