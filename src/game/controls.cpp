// controls.cpp -- what each player does in a frame: from the keyboard and mouse, a pad, or nobody
#include "game/controls.h"

#include <SDL.h>

#include <cmath>
#include <cstring>

#include "app/input.h"
#include "app/key_bindings.h"
#include "app/pads.h"
#include "game/waves.h"

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

// The keyboard and mouse play with the bound keys: by default W A S D (and
// always the arrows), left Shift, the left button. A pad walks where its left stick points, at
// full pace out of the dead zone, or by its d-pad; nobody stands.
void read_player_controls(int slot, PlayerControls &controls)
{
    controls = PlayerControls{};
    controls.device = device_of_player(slot);
    controls.key_direction = NO_DIRECTION;
    if (controls.device == DEVICE_KEYBOARD) {
        controls.key_direction = keyboard_direction();
        controls.sprint = action_down(ACTION_SPRINT);
        controls.fire = action_down(ACTION_FIRE);
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

int bind_players_in_order()
{
    player_device[0] = DEVICE_KEYBOARD;
    int pad = 0, unbound = -1;
    for (int slot = 1; slot < MAX_PLAYERS; slot++) {
        while (pad < MAX_PADS && !pads[pad].present)
            pad++;
        bool in_game = slot < player_count;
        player_device[slot] = in_game && pad < MAX_PADS ? pad++ : DEVICE_NONE;
        if (in_game && player_device[slot] == DEVICE_NONE && unbound < 0)
            unbound = slot;
    }
    return unbound;
}

static bool pad_plays(int pad)
{
    for (int slot = 0; slot < player_count; slot++) {
        if (player_device[slot] == pad)
            return true;
    }
    return false;
}

static int free_slot()
{
    for (int slot = 0; slot < player_count; slot++) {
        if (player_device[slot] == DEVICE_NONE)
            return slot;
    }
    if (player_count >= MAX_PLAYERS)
        return -1;
    int slot = player_count++;
    player_x[slot] = player_x[0] + DROP_IN_OFFSET;  // walls and the others push apart next frame
    player_y[slot] = player_y[0];
    player_angle[slot] = player_angle[0];
    fire_cooldown[slot] = 0;
    fire_clock[slot] = 0.0f;
    stick_aim_angle[slot] = START_AIM_ANGLE;
    return slot;
}

int drop_in_pad()
{
    if (player_count < 2)
        return -1;
    for (int pad = 0; pad < MAX_PADS; pad++) {
        if (!pad_pressed(pad, PAD_A) || pad_plays(pad))
            continue;
        int slot = free_slot();
        if (slot >= 0)
            player_device[slot] = pad;
        return slot;
    }
    return -1;
}

void reopen_pads_keeping_players()
{
    char names[MAX_PLAYERS][PAD_NAME_SIZE] = {};
    for (int slot = 0; slot < MAX_PLAYERS; slot++) {
        if (player_device[slot] >= 0)
            memcpy(names[slot], pads[player_device[slot]].name, PAD_NAME_SIZE);
    }
    open_pads();
    bool taken[MAX_PADS] = {};
    for (int slot = 0; slot < MAX_PLAYERS; slot++) {
        int old = player_device[slot];
        if (old < 0)
            continue;
        player_device[slot] = DEVICE_NONE;
        if (!taken[old] && (!pads[old].present || strcmp(pads[old].name, names[slot]) == 0)) {
            player_device[slot] = old;
        } else {
            for (int pad = 0; pad < MAX_PADS; pad++) {
                if (pads[pad].present && !taken[pad] && strcmp(pads[pad].name, names[slot]) == 0) {
                    player_device[slot] = pad;
                    break;
                }
            }
        }
        if (player_device[slot] >= 0)
            taken[player_device[slot]] = true;
    }
}
