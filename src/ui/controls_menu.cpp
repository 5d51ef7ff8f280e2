// controls_menu.cpp -- the controls screen: the keys of each action, their presets, the pad's dead zone and buttons
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
int pad_binding_step = NO_PAD_STEP;

// The pad buttons a click on their row teaches, in the order it asks for them.
static const int TAUGHT_ROLES[PAD_TAUGHT_COUNT] = {PAD_FIRE, PAD_SPRINT, PAD_START, PAD_BACK};
static const char *const TAUGHT_NAMES[PAD_TAUGHT_COUNT] = {"fire", "sprint", "start", "back"};

bool controls_waiting()
{
    return binding_action != NO_ACTION_WAITING || pad_binding_step != NO_PAD_STEP;
}

static void stop_waiting()
{
    binding_action = NO_ACTION_WAITING;
    pad_binding_step = NO_PAD_STEP;
}

// The first button a pad pressed this frame, taken out of the pad's state
// and out of the pointer's click, so that A or B only binds and neither
// clicks nor goes back.
static void take_pad_button()
{
    for (int pad = 0; pad < MAX_PADS; pad++)
        for (int button = 0; button < PAD_BUTTON_COUNT; button++) {
            if (pads[pad].button[button] != KEY_PRESSED)
                continue;
            pads[pad].button[button] = KEY_HELD;
            cancel_pad_click();
            pad_button_override[TAUGHT_ROLES[pad_binding_step]] = button;
            pad_binding_step =
                pad_binding_step + 1 < PAD_TAUGHT_COUNT ? pad_binding_step + 1 : NO_PAD_STEP;
            return;
        }
}

// Runs before any control is drawn, and takes what it uses out of the
// tables: Escape must not open the overlay, and the key or click that
// binds must not also pick a row. A click binds firing to the left button;
// for any other action it ends the wait.
static void take_pressed_key()
{
    if (pad_binding_step != NO_PAD_STEP)
        take_pad_button();
    if (key_state[SDLK_ESCAPE] == KEY_PRESSED) {
        key_state[SDLK_ESCAPE] = KEY_HELD;
        stop_waiting();
        return;
    }
    if (mouse_button_state[SDL_BUTTON_LEFT] == KEY_PRESSED) {
        mouse_button_state[SDL_BUTTON_LEFT] = KEY_HELD;
        if (binding_action == ACTION_FIRE)
            bind_key(ACTION_FIRE, BOUND_TO_LEFT_BUTTON);
        stop_waiting();
        return;
    }
    if (binding_action == NO_ACTION_WAITING)
        return;
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
    if (pad_binding_step != NO_PAD_STEP)
        snprintf(hint, sizeof hint, "Press %s on the pad, Escape to cancel.",
                 TAUGHT_NAMES[pad_binding_step]);
    else if (binding_action != NO_ACTION_WAITING)
        snprintf(hint, sizeof hint, "Press a key for %s, Escape to cancel.",
                 ACTION_NAMES[binding_action]);
    else
        snprintf(hint, sizeof hint, "Click an action, then press its key.");
    draw_text(TITLE_X, MENU_LINE_HEIGHT * CONTROLS_HINT_LINE, hint, TEXT_CENTER);
}

static void action_rows()
{
    for (int action = 0; action < ACTION_COUNT; action++) {
        char key[KEY_NAME_SIZE], label[OPTION_TEXT_SIZE];
        binding_name(key_bindings[action], key, sizeof key);
        snprintf(label, sizeof label, "%-*s %s", CONTROLS_NAME_WIDTH, ACTION_NAMES[action],
                 action == binding_action ? "..." : key);
        if (draw_menu_row(label)) {
            stop_waiting();
            binding_action = action;
        }
    }
}

// The first pad's buttons, or the common layout's when none is plugged in.
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
    int length = snprintf(line, sizeof line, "Pad buttons:");
    for (int i = 0; i < PAD_TAUGHT_COUNT && length < (int)sizeof line; i++)
        length += snprintf(line + length, sizeof line - (size_t)length, "%s %s %d", i ? "," : "",
                           TAUGHT_NAMES[i], shown_pad_button(TAUGHT_ROLES[i]));
    if (draw_menu_row(line)) {
        stop_waiting();
        pad_binding_step = 0;
    }
}

void controls_screen()
{
    draw_menu_background();
    draw_title(false);
    if (controls_waiting())
        take_pressed_key();
    draw_hint();
    menu_line = CONTROLS_FIRST_LINE;
    action_rows();
    if (draw_menu_row("Defaults: W A S D")) {
        use_bindings(DEFAULT_BINDINGS);
        for (int role : TAUGHT_ROLES)
            pad_button_override[role] = NO_CONTROL;
        stop_waiting();
    }
    if (draw_menu_row("AZERTY: Z Q S D")) {
        use_bindings(AZERTY_BINDINGS);
        stop_waiting();
    }
    pad_rows();
    draw_text(MENU_TEXT_X, MENU_LINE_HEIGHT * menu_line, "The arrow keys always walk too.",
              TEXT_LEFT);
    if (draw_back_button()) {
        stop_waiting();
        screen_number = SCREEN_OPTIONS;
    }
}
