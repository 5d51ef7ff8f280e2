// key_bindings.cpp -- which key walks, sprints, fires and pauses: a table of SDL key symbols per action
#include "app/key_bindings.h"

#include <SDL.h>

#include <cctype>
#include <cstdio>

#include "app/input.h"
#include "app/settings.h"

const char *const ACTION_SETTING_KEYS[ACTION_COUNT] = {
    "keyup", "keydown", "keyleft", "keyright", "keysprint", "keyfire", "keypause"};
const char *const ACTION_NAMES[ACTION_COUNT] = {"Up",     "Down", "Left", "Right",
                                                "Sprint", "Fire", "Pause"};
const int DEFAULT_BINDINGS[ACTION_COUNT] = {
    SDLK_w, SDLK_s, SDLK_a, SDLK_d, SDLK_LSHIFT, BOUND_TO_LEFT_BUTTON, SDLK_p};
// SDL 1.2 gives the letter the layout prints on a key and cannot tell the
// layout before a key is pressed, so AZERTY players pick this preset by
// hand: Z Q S D sit where W A S D sit on other keyboards.
const int AZERTY_BINDINGS[ACTION_COUNT] = {
    SDLK_z, SDLK_s, SDLK_q, SDLK_d, SDLK_LSHIFT, BOUND_TO_LEFT_BUTTON, SDLK_p};

int key_bindings[ACTION_COUNT] = {SDLK_w, SDLK_s, SDLK_a, SDLK_d, SDLK_LSHIFT, BOUND_TO_LEFT_BUTTON,
                                  SDLK_p};

void use_bindings(const int *preset)
{
    for (int i = 0; i < ACTION_COUNT; i++)
        key_bindings[i] = preset[i];
}

// Escape belongs to the overlay and can never be bound, and the arrow keys
// always walk, so another action on one would fight its walking.
bool is_bindable(int action, int symbol)
{
    if (symbol == BOUND_TO_LEFT_BUTTON)
        return action == ACTION_FIRE;
    bool arrow =
        symbol == SDLK_UP || symbol == SDLK_DOWN || symbol == SDLK_LEFT || symbol == SDLK_RIGHT;
    return symbol > 0 && symbol < SDLK_LAST && symbol < KEY_STATE_SIZE && symbol != SDLK_ESCAPE &&
           !arrow;
}

void read_key_bindings()
{
    for (int i = 0; i < ACTION_COUNT; i++) {
        float value = setting_value_or(ACTION_SETTING_KEYS[i], (float)DEFAULT_BINDINGS[i]);
        int symbol = value >= 0.0f && value < (float)SDLK_LAST ? (int)value : -1;
        key_bindings[i] = is_bindable(i, symbol) ? symbol : DEFAULT_BINDINGS[i];
    }
}

// Only firing may have the left button: another action that would get it
// takes its default key instead.
void bind_key(int action, int symbol)
{
    int old = key_bindings[action];
    for (int other = 0; other < ACTION_COUNT; other++)
        if (other != action && key_bindings[other] == symbol)
            key_bindings[other] = is_bindable(other, old) ? old : DEFAULT_BINDINGS[other];
    key_bindings[action] = symbol;
}

static int binding_state(int action)
{
    int symbol = key_bindings[action];
    if (symbol == BOUND_TO_LEFT_BUTTON)
        return mouse_button_state[SDL_BUTTON_LEFT];
    return symbol > 0 && symbol < KEY_STATE_SIZE ? key_state[symbol] : KEY_UP;
}

bool action_down(int action)
{
    return binding_state(action) != KEY_UP;
}

bool action_pressed(int action)
{
    return binding_state(action) == KEY_PRESSED;
}

// SDL's names are lower case ("left shift"); the screen starts them capital.
void binding_name(int symbol, char *name, int size)
{
    if (symbol == BOUND_TO_LEFT_BUTTON) {
        snprintf(name, (size_t)size, "Left button");
        return;
    }
    snprintf(name, (size_t)size, "%s", SDL_GetKeyName((SDLKey)symbol));
    name[0] = (char)toupper((unsigned char)name[0]);
}
