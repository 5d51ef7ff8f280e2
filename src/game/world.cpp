// world.cpp -- the world's globals, the zombie and wall lists, blood splats
#include "game/world.h"

#include <cstdlib>

#include "app/artwork.h"
#include "app/display.h"
#include "app/owned_list.h"
#include "app/random.h"
#include "app/sprite_tables.h"
#include "game/controls.h"
#include "game/game_clock.h"
#include "game/waves.h"

SDL_Surface *world_surface = nullptr;
float player_x[MAX_PLAYERS];
float player_y[MAX_PLAYERS];
float player_angle[MAX_PLAYERS];
float player_health[MAX_PLAYERS];
float player_energy[MAX_PLAYERS];
int fire_cooldown[MAX_PLAYERS];
int player_count = 1;
int game_mode = MODE_CLASSIC;
Zombie *zombies[MAX_ZOMBIES];
int zombie_count = 0;
WallRect *wall_rects[MAX_WALL_RECTS];
int wall_rect_count = 0;
int kill_count = 0;
float pending_damage = 0.0f;
int hurt_flash = 0;
float aim_x = 0.0f, aim_y = 0.0f;
float camera_x = 0.0f, camera_y = 0.0f;
float view_scale = 1.0f;
float frame_scale = 1.0f;

// Where a new game starts: the players in a diamond around the world's
// centre, slot 0 at its top, and the view centred on slot 0.
const float WORLD_CENTRE = (float)(WORLD_PIXELS / 2);
const float START_SPACING = 50.0f;  // world pixels between the centre and each player
const float START_X[MAX_PLAYERS] = {WORLD_CENTRE, WORLD_CENTRE + START_SPACING,
                                    WORLD_CENTRE - START_SPACING, WORLD_CENTRE};
const float START_Y[MAX_PLAYERS] = {WORLD_CENTRE - START_SPACING, WORLD_CENTRE, WORLD_CENTRE,
                                    WORLD_CENTRE + START_SPACING};
const float START_CAMERA_X = START_X[0] - VIEW_CENTER_X;  // 2180
const float START_CAMERA_Y = START_Y[0] - VIEW_CENTER_Y;  // 2210

void create_world_surface()
{
    world_surface = create_display_like_surface(WORLD_PIXELS, WORLD_PIXELS);
}

void free_world_surface()
{
    SDL_FreeSurface(world_surface);
    world_surface = nullptr;
}

// Damage still pending when the last game ended is dropped, so it cannot
// hurt the player of the next one.
void reset_world_for_new_game(const char *map_name)
{
    clear_zombies();
    clear_wall_rects();
    for (int i = 0; i < MAX_PLAYERS; i++) {
        player_x[i] = START_X[i];
        player_y[i] = START_Y[i];
        fire_cooldown[i] = 0;
    }
    player_health[0] = GAUGE_MAX;
    player_energy[0] = GAUGE_MAX;
    kill_count = 0;
    pending_damage = 0.0f;
    hurt_flash = 0;
    aim_x = START_X[0];
    aim_y = START_Y[0];
    camera_x = START_CAMERA_X;
    camera_y = START_CAMERA_Y;
    view_scale = 1.0f;
    frame_scale = 1.0f;
    reset_waves();
    reset_stick_aims();
    start_game_clock(map_name);
}

void set_frame_scale(float speed_factor)
{
    frame_scale = game_mode == MODE_WAVES ? speed_factor : 1.0f;
}

void end_game()
{
    clear_zombies();
    clear_wall_rects();
}

// With one player no random number is drawn for the target: the order of
// the random draws is part of the game's behaviour.
int spawn_zombie(float x, float y)
{
    if (zombie_count >= MAX_ZOMBIES)
        return zombie_count;
    Zombie *zombie = new Zombie;
    zombie->x = x;
    zombie->y = y;
    zombie->angle = 0.0f;
    zombie->health = 100.0f;
    zombie->target_player = player_count == 1 ? 0 : game_random() % player_count;
    zombies[zombie_count++] = zombie;
    return zombie_count;
}

void remove_zombie(int index)
{
    remove_from_list(zombies, zombie_count, index);
}

void clear_zombies()
{
    clear_list(zombies, zombie_count);
}

// Walls beyond the list's capacity are dropped.
void add_wall_rect(float x, float y, float w, float h)
{
    if (wall_rect_count >= MAX_WALL_RECTS)
        return;
    wall_rects[wall_rect_count++] = new WallRect{x, y, w, h};
}

void clear_wall_rects()
{
    clear_list(wall_rects, wall_rect_count);
}

// Draws frame, then y offset, then x offset; the splat's centre lands within
// `spread` pixels of (x, y) on each axis.
void paint_blood_splat(float x, float y, int spread)
{
    int frame = game_random() % BLOOD_SPLAT_COUNT;
    int y_offset = game_random() % (2 * spread + 1);
    int x_offset = game_random() % (2 * spread + 1);
    int left = (int)(x + x_offset - spread) - SPLAT_OFFSET;
    int top = (int)(y + y_offset - spread) - SPLAT_OFFSET;
    blit_at((Sint16)left, (Sint16)top, blood_image, world_surface, &blood_frames[frame]);
}
