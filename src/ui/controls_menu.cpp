// controls_menu.cpp -- the controls screen: the keys of each action, their presets, the pad's dead zone
#include "ui/controls_menu.h"

#include <SDL.h>

#include <cstdio>

#include "app/input.h"
#include "app/key_bindings.h"
#include "app/pads.h"
#include "ui/buttons.h"
#include "ui/menus.h"
#include "ui/options.h"
#include "ui/screens.h"
#include "ui/text.h"

int binding_action = NO_ACTION_WAITING;

// Runs before any control is drawn, and takes what it uses out of the
// tables: Escape must not open the overlay, and the key or click that
// binds must not also pick a row. A click binds firing to the left button;
// for any other action it ends the wait.
static void take_pressed_key()
{
    if (key_state[SDLK_ESCAPE] == KEY_PRESSED) {
        key_state[SDLK_ESCAPE] = KEY_HELD;
        binding_action = NO_ACTION_WAITING;
        return;
    }
    if (mouse_button_state[SDL_BUTTON_LEFT] == KEY_PRESSED) {
        mouse_button_state[SDL_BUTTON_LEFT] = KEY_HELD;
        if (binding_action == ACTION_FIRE)
            bind_key(ACTION_FIRE, BOUND_TO_LEFT_BUTTON);
        binding_action = NO_ACTION_WAITING;
        return;
    }
    for (int symbol = 1; symbol < KEY_STATE_SIZE; symbol++) {
        if (key_state[symbol] == KEY_PRESSED && is_bindable(binding_action, symbol)) {
            key_state[symbol] = KEY_HELD;
            bind_key(binding_action, symbol);
            binding_action = NO_ACTION_WAITING;
            return;
        }
    }
}

static void draw_hint()
{
    char hint[OPTION_TEXT_SIZE];
    if (binding_action == NO_ACTION_WAITING)
        snprintf(hint, sizeof hint, "Click an action, then press its key.");
    else
        snprintf(hint, sizeof hint, "Press a key for %s, Escape to cancel.",
                 ACTION_NAMES[binding_action]);
    draw_text(TITLE_X, MENU_LINE_HEIGHT * CONTROLS_HINT_LINE, hint, TEXT_CENTER);
    draw_text(TITLE_X, MENU_LINE_HEIGHT * (CONTROLS_HINT_LINE + 1),
              "The arrow keys always walk too.", TEXT_CENTER);
}

static void action_rows()
{
    for (int action = 0; action < ACTION_COUNT; action++) {
        char key[KEY_NAME_SIZE], label[OPTION_TEXT_SIZE];
        binding_name(key_bindings[action], key, sizeof key);
        snprintf(label, sizeof label, "%-*s %s", CONTROLS_NAME_WIDTH, ACTION_NAMES[action],
                 action == binding_action ? "..." : key);
        if (draw_menu_row(label))
            binding_action = action;
    }
}

// The first pad's buttons, or the common layout's when none is plugged in;
// settings.ini changes them, this screen only shows them.
static int shown_pad_button(int role)
{
    if (pad_button_override[role] != NO_CONTROL)
        return pad_button_override[role];
    int layout = pads[0].present ? pads[0].layout : XBOX_LAYOUT;
    return pad_layouts[layout].buttons[role];
}

static void pad_rows()
{
    char value[OPTION_TEXT_SIZE];
    snprintf(value, sizeof value, "%d%%", pad_dead_zone);
    int step = draw_stepper_row("Pad dead zone", value);
    int zone = pad_dead_zone + step * DEAD_ZONE_STEP;
    pad_dead_zone = zone < 0 ? 0 : (zone > MAX_DEAD_ZONE ? MAX_DEAD_ZONE : zone);
    char line[OPTION_TEXT_SIZE];
    snprintf(line, sizeof line, "Pad: fire %d, sprint %d, start %d, back %d",
             shown_pad_button(PAD_FIRE), shown_pad_button(PAD_SPRINT), shown_pad_button(PAD_START),
             shown_pad_button(PAD_BACK));
    draw_text(MENU_TEXT_X, MENU_LINE_HEIGHT * menu_line++, line, TEXT_LEFT);
}

void controls_screen()
{
    draw_menu_background();
    draw_title(false);
    if (binding_action != NO_ACTION_WAITING)
        take_pressed_key();
    draw_hint();
    action_rows();
    if (draw_menu_row("Defaults: W A S D")) {
        use_bindings(DEFAULT_BINDINGS);
        binding_action = NO_ACTION_WAITING;
    }
    if (draw_menu_row("AZERTY: Z Q S D")) {
        use_bindings(AZERTY_BINDINGS);
        binding_action = NO_ACTION_WAITING;
    }
    pad_rows();
    if (draw_back_button()) {
        binding_action = NO_ACTION_WAITING;
        screen_number = SCREEN_OPTIONS;
    }
}
