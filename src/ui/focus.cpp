// focus.cpp -- the keyboard's way through a menu: Up, Down and Tab move the highlight, Return picks
#include "ui/focus.h"

#include <SDL.h>

#include "app/input.h"

bool focus_enabled = false;
int focus_index = NO_FOCUS;
int focus_count = 0;
int focus_last_count = 0;
int focus_hovered = NO_FOCUS;
int focus_hovered_last = NO_FOCUS;
int focus_place = -1;
int focus_mouse_x = -1, focus_mouse_y = -1;

static bool pressed(int key)
{
    return key_state[key] == KEY_PRESSED;
}

// Return and Space pick; Alt+Return is the full-screen switch, not a pick.
static bool pick_pressed()
{
    bool alt = (SDL_GetModState() & KMOD_ALT) != 0;
    return ((pressed(SDLK_RETURN) || pressed(SDLK_KP_ENTER)) && !alt) || pressed(SDLK_SPACE);
}

// The first step from the mouse's lead starts where the mouse was, or at
// the top (Down) or the bottom (Up).
static void step_focus(int step)
{
    int count = focus_last_count;
    if (count <= 0)
        return;
    if (focus_index == NO_FOCUS) {
        focus_index =
            focus_hovered_last != NO_FOCUS ? focus_hovered_last : (step > 0 ? 0 : count - 1);
        return;
    }
    focus_index = ((focus_index + step) % count + count) % count;
}

void begin_focus_frame(int place)
{
    focus_last_count = focus_count;
    focus_count = 0;
    focus_hovered_last = focus_hovered;
    focus_hovered = NO_FOCUS;
    bool moved = mouse_x[0] != focus_mouse_x || mouse_y[0] != focus_mouse_y;
    focus_mouse_x = mouse_x[0];
    focus_mouse_y = mouse_y[0];
    if (place != focus_place) {
        focus_index = focus_index == NO_FOCUS ? NO_FOCUS : 0;
        focus_hovered_last = NO_FOCUS;
        focus_place = place;
    }
    if (!focus_enabled || moved) {
        focus_index = NO_FOCUS;
        return;
    }
    bool shift = (SDL_GetModState() & KMOD_SHIFT) != 0;
    if (pressed(SDLK_DOWN) || (pressed(SDLK_TAB) && !shift))
        step_focus(1);
    if (pressed(SDLK_UP) || (pressed(SDLK_TAB) && shift))
        step_focus(-1);
}

bool focus_control(bool hovered, bool &lit)
{
    int index = focus_count++;
    if (hovered)
        focus_hovered = index;
    if (!focus_enabled || focus_index == NO_FOCUS) {
        lit = hovered;
        return false;
    }
    lit = index == focus_index;
    return lit && pick_pressed();
}
