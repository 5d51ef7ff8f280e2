// world.h -- the state of a game: players, the zombie list, wall rectangles, shared values
#pragma once

#include <SDL.h>

#include "app/artwork_layout.h"
#include "app/display.h"

const int MAP_SIZE = 50;                        // tiles along each side of the world
const int WORLD_PIXELS = MAP_SIZE * TILE_SIZE;  // world_surface is 5000 by 5000
const int MAX_PLAYERS = 4;
const int ZOMBIE_SPAWN_LIMIT = 250;  // spawning adds none at or above this count
const int MAX_ZOMBIES = 1000;        // list capacity; only a save file may exceed the spawn limit
const int MAX_WALL_RECTS = 500;
const float PERSON_RADIUS = 17.0f;  // a person against walls
const float GAUGE_MAX = 100.0f;     // full health and full energy
const int HURT_FLASH_MAX = 100;
// The view's corner stays within 0..5000 - 640 and 0..5000 - 480.
const float CAMERA_MAX_X = (float)(WORLD_PIXELS - VIEW_W);
const float CAMERA_MAX_Y = (float)(WORLD_PIXELS - VIEW_H);
// A view centred on the world's middle: the editor's first view
const float CENTRED_CAMERA_X = (float)(WORLD_PIXELS / 2 - VIEW_CENTER_X);
const float CENTRED_CAMERA_Y = (float)(WORLD_PIXELS / 2 - VIEW_CENTER_Y);

// How a game is played: the design's endless horde, or waves with breathers.
enum { MODE_CLASSIC, MODE_WAVES, MODE_COUNT };

struct Zombie {
    float x;  // world centre
    float y;
    float angle;        // radians, faces the target player
    float health;       // 100 when created; dies at 0 or below
    int target_player;  // slot chased, fixed at creation
};

struct WallRect {
    float x;  // top-left corner, world pixels
    float y;
    float w;
    float h;
};

// Set once at start-up
extern SDL_Surface *world_surface;  // 5000x5000, display format: the floor of the whole map

// Reset when a game starts or a save is loaded
extern float player_x[MAX_PLAYERS];
extern float player_y[MAX_PLAYERS];
extern float player_angle[MAX_PLAYERS];
extern float player_health[MAX_PLAYERS];  // only slot 0 is used in play
extern float player_energy[MAX_PLAYERS];  // only slot 0 is used in play
extern int fire_cooldown[MAX_PLAYERS];    // 0 or 1
extern int player_count;                  // 1 to 4 slots in use
extern int game_mode;                     // MODE_CLASSIC or MODE_WAVES, chosen like player_count
extern Zombie *zombies[MAX_ZOMBIES];      // creation order; the list owns the records
extern int zombie_count;
extern WallRect *wall_rects[MAX_WALL_RECTS];  // built by prepare_map; the list owns them
extern int wall_rect_count;
extern int kill_count;
extern float pending_damage;  // applied to health by the next game frame
extern int hurt_flash;        // 0 to 100: red tint of the border
extern float aim_x, aim_y;    // world point under the pointer
// The editor keeps its own view in the same three by design: its scroll in
// the camera, its zoom in view_scale; entering a game or the editor sets them.
extern float camera_x, camera_y;  // view's top-left corner in the world
extern float view_scale;          // in a game slot 0 health / 100; in the editor its zoom

// Per frame
// What a per-frame count is worth in this frame: 1 in Classic, which counts
// frames; the frame's length in 1/30 s in Waves, so any frame rate plays alike.
extern float frame_scale;

const int SPLAT_OFFSET = 23;       // a splat's corner lies 23 px left of and above its centre
const int SPLAT_SPREAD_HIT = 6;    // a hit zombie or a hurt player
const int SPLAT_SPREAD_KILL = 20;  // a killed zombie

void create_world_surface();
void free_world_surface();
// The starting values shared by a new game and a loaded save, with both lists
// emptied and the game clock started on the map (empty for a loaded save).
// player_count is the caller's (the menu's choice, or the save's), and
// player_angle is set by the first frame.
void reset_world_for_new_game(const char *map_name);
void end_game();  // the lists emptied when a game ends
void set_frame_scale(float speed_factor);
// Positions and gauges are held within their ranges with this one rule.
inline float clamp_float(float value, float low, float high)
{
    return value < low ? low : (value > high ? high : value);
}

int spawn_zombie(float x, float y);
void remove_zombie(int index);
void clear_zombies();
void add_wall_rect(float x, float y, float w, float h);
void clear_wall_rects();
void paint_blood_splat(float x, float y, int spread);
