// paths.h -- the way around walls: a passability grid, a distance field per player, route angles
#pragma once

#include <cstdint>

#include "game/world.h"

const int PATH_CELL = 25;                        // world pixels along each side of a grid cell
const int PATH_GRID = WORLD_PIXELS / PATH_CELL;  // cells along each side of the world
const int PATH_STRIDE = PATH_GRID + 2;           // a blocked border of one cell all round
const int PATH_CELLS = PATH_STRIDE * PATH_STRIDE;
const int PATH_NO_CELL = -1;       // off the grid, or no field built
const int PATH_UNREACHED = 65535;  // a field's value where no way of a lower cost leads
const int PATH_STRAIGHT_COST = 5;  // field cost of a step to a side neighbour
const int PATH_DIAGONAL_COST = 7;  // a diagonal step: 5 times the square root of 2, rounded
const int PATH_BUCKETS = 8;        // more than the dearest step, for the bucket queue
static_assert(PATH_CELLS <= 65536, "a bucket keeps cells as 16-bit indices");
const int PATH_AIM_LOOKAHEAD = 4;  // cells down the field a zombie may aim at
const int PATH_REGION = 500;       // world pixels along each side of a square of the walls' index
const int PATH_REGIONS = WORLD_PIXELS / PATH_REGION;     // squares along each side of the world
const int PATH_WALL_WORDS = (MAX_WALL_RECTS + 63) / 64;  // 64 walls to a word of a square's set
const float CLEAR_LINE_SLACK = 1.0f;  // world pixels of overlap a wall push can take back

// A wall grown by the clearance a walking person needs, as edges.
struct PathBox {
    float left;  // world pixels
    float top;
    float right;
    float bottom;
};

// Rebuilt by build_path_grid from the wall list; it also empties the fields
extern unsigned char path_blocked[PATH_CELLS];     // 1: a person centred there overlaps a wall
extern unsigned char path_open_steps[PATH_CELLS];  // bit k: step k is open and cuts no corner
extern PathBox path_wall_boxes[MAX_WALL_RECTS];    // walls grown by the radius less the slack
extern int path_wall_box_count;
// Bit i of a square's set: grown wall i reaches into the square; the edge
// squares also take what lies beyond the world's edge.
extern uint64_t path_region_walls[PATH_REGIONS][PATH_REGIONS][PATH_WALL_WORDS];

// Rebuilt by update_path_fields when a player enters a new cell
extern unsigned short path_field[MAX_PLAYERS][PATH_CELLS];  // step costs from the player's cell
extern int path_field_cell[MAX_PLAYERS];    // the cell each field starts from, or PATH_NO_CELL
extern int path_field_builds[MAX_PLAYERS];  // fields built since build_path_grid

// Scratch of one field's build: a ring of buckets, each the cells queued at
// one cost modulo 8; a cell sits at most once in a bucket, so one holds them all
extern unsigned short path_bucket[PATH_BUCKETS][PATH_CELLS];

// The padded index of the cell holding a world point, or PATH_NO_CELL off the world.
int path_cell_at(float x, float y);
// After a map's walls are built or a save is loaded: the grid, with every field emptied.
void build_path_grid();
// Once per game frame: each player's field, rebuilt only when the player has changed cell.
void update_path_fields();
// Whether a person can walk straight from a to b without meeting a wall.
bool clear_line(float ax, float ay, float bx, float by);
// The direction (radians, y down) a zombie at (x, y) walks to reach player `target`:
// straight when the line is clear or no way is known, else down the player's field.
float route_angle(float x, float y, int target);
