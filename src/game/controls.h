// controls.h -- what each player does in a frame: from the keyboard and mouse, a pad, or nobody
#pragma once

#include "game/world.h"

const float STICK_AIM_DISTANCE = 200.0f;    // a pad's aim point lies this far from its player
const float START_AIM_ANGLE = -1.5707964f;  // a pad that never aimed faces up

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
