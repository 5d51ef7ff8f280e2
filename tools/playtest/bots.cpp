// bots.cpp -- scripted players for the playtest: they press the game's own keys and aim its pointer
#include "bots.h"

#include <SDL.h>

#include <cmath>
#include <initializer_list>

#include "app/display.h"
#include "app/input.h"
#include "game/camera.h"
#include "game/collision.h"
#include "game/gauges.h"
#include "game/waves.h"
#include "game/world.h"

const float THREAT_RANGE = 300.0f;   // zombies farther than this do not push the kite
const float SPRINT_WHEN = 90.0f;     // the kite sprints with a zombie this close
const float LOOK_STEP = 25.0f;       // the kite checks its way ahead in steps of this many pixels
const int LOOK_STEPS = 10;           // up to this many steps
const int LEAST_OPEN_STEPS = 3;      // a way open for fewer steps than this is never taken
const float OPEN_WEIGHT = 0.5f;      // how much a long open way counts
const float EDGE_ROOM = 400.0f;      // the kite keeps this far from the world's edges
const float EDGE_WEIGHT = 0.8f;      // how strongly it turns back from them
const float ROOM_TO_TURN = 30.0f;    // the open ground it wants on every side
const float ORBIT_RADIUS = 1500.0f;  // the kite circles the world's middle at about this distance
const float ORBIT_WEIGHT = 0.6f;     // how strongly it keeps circling when zombies press
const float SPRINT_ENERGY = 20.0f;   // it never sprints on less energy than this
const float CROWD_NEAR = 40.0f;      // zombies nearer a spot than this count as this near
const float CROWD_WEIGHT = 0.3f;     // how much the crowd at the end of a way counts
const int DIRECTIONS = 8;

// Keys for each of the eight directions, clockwise from the right in steps
// of 45 degrees, as keyboard_direction reads them.
const int DIRECTION_KEYS[DIRECTIONS][2] = {
    {SDLK_d, 0}, {SDLK_s, SDLK_d}, {SDLK_s, 0}, {SDLK_s, SDLK_a},
    {SDLK_a, 0}, {SDLK_w, SDLK_a}, {SDLK_w, 0}, {SDLK_w, SDLK_d},
};

static int nearest_zombie(float &distance)
{
    int nearest = -1;
    distance = 1e9f;
    for (int i = 0; i < zombie_count; i++) {
        float d = person_distance(zombies[i]->x, zombies[i]->y, player_x[0], player_y[0]);
        if (d < distance) {
            distance = d;
            nearest = i;
        }
    }
    return nearest;
}

static int clamp_int(int value, int low, int high)
{
    return value < low ? low : (value > high ? high : value);
}

// The pointer on the zombie, through the view's zoom, and the button held.
static void fire_at(int zombie)
{
    if (zombie < 0)
        return;
    mouse_x[0] = clamp_int((int)screen_x_of(zombies[zombie]->x), 0, VIEW_W - 1);
    mouse_y[0] = clamp_int((int)screen_y_of(zombies[zombie]->y), 0, VIEW_H - 1);
    mouse_button_state[SDL_BUTTON_LEFT] = KEY_HELD;
}

// Open with room to turn: a doorway is too narrow, so the kite keeps out
// of buildings, whose corners trap it.
static bool roomy(float x, float y, bool in_doorways)
{
    if (in_doorways)
        return spot_is_open(x, y);
    return spot_is_open(x, y) && spot_is_open(x - ROOM_TO_TURN, y) &&
           spot_is_open(x + ROOM_TO_TURN, y) && spot_is_open(x, y - ROOM_TO_TURN) &&
           spot_is_open(x, y + ROOM_TO_TURN);
}

// How many steps ahead the way stays open in direction (ux, uy).
static int open_steps(float ux, float uy, bool in_doorways)
{
    int open = 0;
    while (open < LOOK_STEPS && roomy(player_x[0] + LOOK_STEP * (open + 1) * ux,
                                      player_y[0] + LOOK_STEP * (open + 1) * uy, in_doorways))
        open++;
    return open;
}

// How crowded a spot is: the nearer zombies count the more.
static float crowd_at(float x, float y)
{
    float crowd = 0.0f;
    for (int i = 0; i < zombie_count; i++) {
        float dx = x - zombies[i]->x, dy = y - zombies[i]->y;
        float d = std::sqrt(dx * dx + dy * dy);
        if (d < THREAT_RANGE)
            crowd += CROWD_NEAR / (d > CROWD_NEAR ? d : CROWD_NEAR);
    }
    return crowd;
}

// Away from every zombie in range, the nearer the stronger, or towards the
// nearest when none is close; back from the world's edges, round the
// middle, and along the longest open way; a direction whose way ahead is
// blocked is never taken.
static int kite_direction(int nearest)
{
    float goal_x = 0.0f, goal_y = 0.0f;
    for (int i = 0; i < zombie_count; i++) {
        float dx = player_x[0] - zombies[i]->x, dy = player_y[0] - zombies[i]->y;
        float d = std::sqrt(dx * dx + dy * dy);
        if (d < THREAT_RANGE && d > 0.0f) {
            goal_x += dx / (d * d);
            goal_y += dy / (d * d);
        }
    }
    if (goal_x == 0.0f && goal_y == 0.0f && nearest >= 0) {
        // Nothing close: go and find the rest of the wave.
        goal_x = zombies[nearest]->x - player_x[0];
        goal_y = zombies[nearest]->y - player_y[0];
    }
    float scale = std::sqrt(goal_x * goal_x + goal_y * goal_y);
    if (scale > 0.0f) {
        goal_x /= scale;
        goal_y /= scale;
    }
    float edge_x = 0.0f, edge_y = 0.0f;
    if (player_x[0] < EDGE_ROOM)
        edge_x = 1.0f;
    if (player_x[0] > WORLD_PIXELS - EDGE_ROOM)
        edge_x = -1.0f;
    if (player_y[0] < EDGE_ROOM)
        edge_y = 1.0f;
    if (player_y[0] > WORLD_PIXELS - EDGE_ROOM)
        edge_y = -1.0f;
    if (scale == 0.0f && edge_x == 0.0f && edge_y == 0.0f)
        return -1;
    // Circling the middle keeps the kite out of the corners, where the
    // horde pins it against two edges.
    float from_x = player_x[0] - WORLD_PIXELS / 2.0f, from_y = player_y[0] - WORLD_PIXELS / 2.0f;
    float radius = std::sqrt(from_x * from_x + from_y * from_y);
    float orbit_x = 0.0f, orbit_y = 0.0f;
    if (radius > 1.0f) {
        float out = (ORBIT_RADIUS - radius) / ORBIT_RADIUS;
        orbit_x = (-from_y + out * from_x) / radius;
        orbit_y = (from_x + out * from_y) / radius;
    }
    // Inside a building the kite takes the doorways to get out.
    bool in_doorways = !roomy(player_x[0], player_y[0], false);
    int best = -1;
    float best_score = -1e9f;
    for (int k = 0; k < DIRECTIONS; k++) {
        double a = k * 2 * M_PI / DIRECTIONS;
        float ux = (float)std::cos(a), uy = (float)std::sin(a);
        int open = open_steps(ux, uy, in_doorways);
        if (open < LEAST_OPEN_STEPS)
            continue;
        float end_x = player_x[0] + LOOK_STEP * open * ux,
              end_y = player_y[0] + LOOK_STEP * open * uy;
        float score = -CROWD_WEIGHT * crowd_at(end_x, end_y) + ux * goal_x + uy * goal_y +
                      EDGE_WEIGHT * (ux * edge_x + uy * edge_y) +
                      ORBIT_WEIGHT * (ux * orbit_x + uy * orbit_y) +
                      OPEN_WEIGHT * open / LOOK_STEPS;
        if (score > best_score) {
            best_score = score;
            best = k;
        }
    }
    return best;
}

static void press_direction(int direction)
{
    if (direction < 0)
        return;
    for (int key : DIRECTION_KEYS[direction])
        if (key)
            key_state[key] = KEY_HELD;
}

void play_bot(int bot)
{
    for (int key : {SDLK_w, SDLK_a, SDLK_s, SDLK_d, SDLK_LSHIFT})
        key_state[key] = KEY_UP;
    mouse_button_state[SDL_BUTTON_LEFT] = KEY_UP;
    mouse_x[0] = VIEW_CENTER_X;
    mouse_y[0] = VIEW_CENTER_Y;
    if (bot == BOT_STILL)
        return;
    float distance = 0.0f;
    int nearest = nearest_zombie(distance);
    fire_at(nearest);
    if (bot != BOT_KITE)
        return;
    press_direction(kite_direction(nearest));
    if (distance < SPRINT_WHEN && player_energy[0] > SPRINT_ENERGY)
        key_state[SDLK_LSHIFT] = KEY_HELD;
}
