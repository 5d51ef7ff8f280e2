// world.h -- the state of a game: players, the zombie list, wall rectangles, shared values
#pragma once

const int MAX_PLAYERS = 4;
const int ZOMBIE_SPAWN_LIMIT = 250;  // spawning adds none at or above this count
const int MAX_ZOMBIES = 1000;        // list capacity; only a save file may exceed the spawn limit
const int MAX_WALL_RECTS = 500;
const float PERSON_RADIUS = 17.0f;  // a person against walls
const float GAUGE_MAX = 100.0f;     // full health and full energy
const int HURT_FLASH_MAX = 100;
const float CAMERA_MAX_X = 4360.0f;  // the view's corner stays within 0..5000 - 640
const float CAMERA_MAX_Y = 4520.0f;  // and 0..5000 - 480

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

// Reset when a game starts or a save is loaded
extern float player_x[MAX_PLAYERS];
extern float player_y[MAX_PLAYERS];
extern float player_angle[MAX_PLAYERS];
extern float player_health[MAX_PLAYERS];  // only slot 0 is used in play
extern float player_energy[MAX_PLAYERS];  // only slot 0 is used in play
extern int fire_cooldown[MAX_PLAYERS];    // 0 or 1
extern int player_count;                  // 1 to 4 slots in use
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

const int SPLAT_OFFSET = 23;       // a splat's corner lies 23 px left of and above its centre
const int SPLAT_SPREAD_HIT = 6;    // a hit zombie or a hurt player
const int SPLAT_SPREAD_KILL = 20;  // a killed zombie

void reset_world_for_new_game();
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
