// bots.cpp -- scripted players for the playtest: they press the game's own keys and aim its pointer
#include "bots.h"

#include <SDL.h>

#include <cmath>
#include <initializer_list>

#include "app/display.h"
#include "app/input.h"
#include "game/camera.h"
#include "game/collision.h"
#include "game/waves.h"
#include "game/world.h"

const float THREAT_RANGE = 450.0f;  // zombies farther than this do not push the kite
const float SPRINT_WHEN = 90.0f;    // the kite sprints with a zombie this close
const float LOOK_AHEAD = 70.0f;     // how far ahead the kite checks its way is open
const float EDGE_ROOM = 400.0f;     // the kite keeps this far from the world's edges
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

// Away from every zombie in range, the nearer the stronger, and back from
// the world's edges; a direction whose way ahead is blocked is never taken.
static int kite_direction()
{
    float push_x = 0.0f, push_y = 0.0f;
    for (int i = 0; i < zombie_count; i++) {
        float dx = player_x[0] - zombies[i]->x, dy = player_y[0] - zombies[i]->y;
        float d = std::sqrt(dx * dx + dy * dy);
        if (d < THREAT_RANGE && d > 0.0f) {
            push_x += dx / (d * d);
            push_y += dy / (d * d);
        }
    }
    float scale = std::sqrt(push_x * push_x + push_y * push_y);
    float edge_x = 0.0f, edge_y = 0.0f;
    if (player_x[0] < EDGE_ROOM)
        edge_x = 1.0f;
    if (player_x[0] > WORLD_PIXELS - EDGE_ROOM)
        edge_x = -1.0f;
    if (player_y[0] < EDGE_ROOM)
        edge_y = 1.0f;
    if (player_y[0] > WORLD_PIXELS - EDGE_ROOM)
        edge_y = -1.0f;
    int best = -1;
    float best_score = -1e9f;
    for (int k = 0; k < DIRECTIONS; k++) {
        double a = k * 2 * M_PI / DIRECTIONS;
        float ux = (float)std::cos(a), uy = (float)std::sin(a);
        if (!spot_is_open(player_x[0] + LOOK_AHEAD * ux, player_y[0] + LOOK_AHEAD * uy))
            continue;
        float score = (scale > 0.0f ? (ux * push_x + uy * push_y) / scale : 0.0f) +
                      0.8f * (ux * edge_x + uy * edge_y);
        if (score > best_score) {
            best_score = score;
            best = k;
        }
    }
    return scale > 0.0f || edge_x != 0.0f || edge_y != 0.0f ? best : -1;
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
    press_direction(kite_direction());
    if (distance < SPRINT_WHEN)
        key_state[SDLK_LSHIFT] = KEY_HELD;
}
