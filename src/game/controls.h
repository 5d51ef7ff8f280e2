// controls.h -- what each player does in a frame: from the keyboard and mouse, a pad, or nobody
#pragma once

#include "game/world.h"

const float STICK_AIM_DISTANCE = 200.0f;    // a pad's aim point lies this far from its player
const float START_AIM_ANGLE = -1.5707964f;  // a pad that never aimed faces up
const float DROP_IN_OFFSET = 40.0f;         // a player who drops in appears this far right of P1

// Set by the join screen or a loaded save; read in every game of several players
extern int player_device[MAX_PLAYERS];
// Reset when a game starts or a save is loaded
extern float stick_aim_angle[MAX_PLAYERS];  // radians: a pad's aim, kept when its stick is let go

struct PlayerControls {
    int device;
    int key_direction;  // degrees from the keys or a d-pad, or NO_DIRECTION
    bool stick_walk;    // the left stick is out of its dead zone
    float stick_angle;  // and points this way, radians
    bool sprint;
    bool fire;
};

// One player plays with whatever was touched last; several with their own.
int device_of_player(int slot);
void read_player_controls(int slot, PlayerControls &controls);
// A pad's aim point: 200 px from the player in the right stick's direction.
void stick_aim_point(int slot, float &x, float &y);
void reset_stick_aims();

// Slot 0 to the keyboard and mouse, the next slots to the present pads in
// order. Returns the first slot left without a device, or -1.
int bind_players_in_order();
// In a game of several, a pad that plays in no slot joins with A: it takes
// the first slot without a device, or adds a player beside P1 while there is
// room. Returns the slot, or -1.
int drop_in_pad();
// Reopens the pads, so one plugged in since is found. Each player keeps the
// pad of the same name; a pad SDL no longer lists keeps its number, since
// its events may still come.
void reopen_pads_keeping_players();
