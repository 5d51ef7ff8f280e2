// controls.cpp -- what each player does in a frame: from the keyboard and mouse, a pad, or nobody
#include "game/controls.h"

#include <SDL.h>

#include <cmath>

#include "app/input.h"
#include "app/pads.h"

int player_device[MAX_PLAYERS] = {DEVICE_KEYBOARD, DEVICE_NONE, DEVICE_NONE, DEVICE_NONE};
float stick_aim_angle[MAX_PLAYERS];

int device_of_player(int slot)
{
    return player_count == 1 ? active_device : player_device[slot];
}

static bool pad_sprints(int pad)
{
    return pad_down(pad, PAD_SPRINT) || pad_trigger(pad, TRIGGER_SPRINT) > TRIGGER_PULLED;
}

static bool pad_fires(int pad)
{
    return pad_down(pad, PAD_FIRE) || pad_trigger(pad, TRIGGER_FIRE) > TRIGGER_PULLED;
}

// The keyboard and mouse play as the design has them: the direction keys,
// left Shift, the left button. A pad walks where its left stick points, at
// full pace out of the dead zone, or by its d-pad; nobody stands.
void read_player_controls(int slot, PlayerControls &controls)
{
    controls = PlayerControls{};
    controls.device = device_of_player(slot);
    controls.key_direction = NO_DIRECTION;
    if (controls.device == DEVICE_KEYBOARD) {
        controls.key_direction = keyboard_direction();
        controls.sprint = key_down(SDLK_LSHIFT);
        controls.fire = mouse_button_state[SDL_BUTTON_LEFT] != KEY_UP;
    } else if (controls.device >= 0) {
        int pad = controls.device;
        float x, y;
        controls.stick_walk = pad_stick(pad, STICK_MOVE_X, x, y);
        controls.stick_angle = (float)std::atan2((double)y, (double)x);
        if (!controls.stick_walk)
            controls.key_direction = pad_dpad_direction(pad);
        controls.sprint = pad_sprints(pad);
        controls.fire = pad_fires(pad);
    }
}

void stick_aim_point(int slot, float &x, float &y)
{
    float sx, sy;
    if (pad_stick(device_of_player(slot), STICK_AIM_X, sx, sy))
        stick_aim_angle[slot] = (float)std::atan2((double)sy, (double)sx);
    x = player_x[slot] + STICK_AIM_DISTANCE * std::cos(stick_aim_angle[slot]);
    y = player_y[slot] + STICK_AIM_DISTANCE * std::sin(stick_aim_angle[slot]);
}

void reset_stick_aims()
{
    for (float &angle : stick_aim_angle)
        angle = START_AIM_ANGLE;
}
