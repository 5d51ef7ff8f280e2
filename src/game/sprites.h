// sprites.h -- the scene on the game view: the floor, the zombies, the players and their labels
#pragma once

#include <SDL.h>

const int LABEL_RISE = 10;  // player labels stand 10 px above the centre
const double RADIANS_TO_DEGREES = 57.29578;

// In a game of several players each has a colour of its own, as a thin ring
// under its sprite and on its slot of the join screen: yellow, sky blue,
// magenta and white read on grass, earth, stone and wood alike.
const Uint8 PLAYER_COLORS[4][3] = {{255, 214, 0}, {40, 160, 255}, {240, 60, 220}, {245, 245, 245}};
const float RING_INNER = 19.0f, RING_OUTER = 21.5f;  // px from the centre

int facing_frame(float angle);
void draw_player_ring(SDL_Surface *surface, int cx, int cy, int slot);
// The whole view: nothing of the previous frame remains.
void draw_floor();
void draw_zombies();
void draw_players();  // with "P1" to "P4" over them when more than one plays
