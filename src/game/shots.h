// shots.h -- instant shots: the line walk, the tracer, walls, hits, knockback, blood and corpses
#pragma once

#include <SDL.h>

const int SHOT_RANGE = 700;           // pixels from the shooter to the end of the line
const int SHOT_SILENT_STEPS = 10;     // steps before the tracer shows
const int SHOT_DRAWN_STEPS = 10;      // drawn steps before hits are tested
const int TRACER_MARGIN = 3;          // squares need this many pixels to the view's edge
const int SHOT_WALL_MARGIN = 2;       // a wall this close to the line stops it
const float SHOT_HIT_RADIUS = 19.0f;  // a person this close to the line is hit
const float SHOT_KNOCKBACK = 15.0f;   // world pixels along the shot
const float SHOT_DAMAGE = 20.0f;      // zombie health per hit
const int SPLATS_PER_HIT = 5;         // small splats at a hit person
const int SPLATS_PER_KILL = 25;       // large splats under a killed zombie
const int CORPSE_OFFSET = 17;         // a corpse's corner lies 17 px left of and above its centre
const int FIRE_SPREAD = 151;          // rand() % 151 - 75 thousandths of a radian
const int FIRE_SPREAD_HALF = 75;
const double FIRE_SPREAD_UNIT = 0.001;
const double SHOT_ENERGY = 1.5;  // slot 0 energy per shot

// The state of one integer line walk; the line is x-major when dx2 >= dy2.
struct LineStepper {
    Sint8 sx;    // +1 or -1: step direction on x
    Sint8 sy;    // +1 or -1: step direction on y
    Sint32 dx2;  // twice the distance to the end on x
    Sint32 dy2;  // twice the distance to the end on y
    Sint32 err;  // error term
};

// Per shot
extern LineStepper line_stepper;  // the walk of the shot being fired

void line_stepper_begin(int x0, int y0, int x1, int y1);
bool line_stepper_step(int &x, int &y, int x1, int y1);
void fire_shot(int sx, int sy, float angle);
// Every player whose cooldown has run out fires along its aim while the left
// button is down; the tracers go onto the view's floor.
void fire_weapons();
