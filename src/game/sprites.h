// sprites.h -- the scene on the game view: the floor, the zombies, the players and their labels
#pragma once

const int LABEL_RISE = 10;  // player labels stand 10 px above the centre
const double RADIANS_TO_DEGREES = 57.29578;

int facing_frame(float angle);
// The whole view: nothing of the previous frame remains.
void draw_floor();
void draw_zombies();
void draw_players();  // with "P1" to "P4" over them when more than one plays
