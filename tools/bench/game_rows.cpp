// game_rows.cpp -- the benchmark's game frames: a crowd, routed zombies, four players on pads
#include <SDL.h>

#include <cmath>
#include <cstdio>
#include <cstring>

#include "app/input.h"
#include "app/pads.h"
#include "app/random.h"
#include "game/controls.h"
#include "game/paths.h"
#include "game/world.h"
#include "maps/map_file.h"
#include "maps/map_list.h"
#include "maps/map_prepare.h"
#include "ui/game_screen.h"
#include "ui/map_choice.h"

#include "bench_rows.h"

// 250 zombies packed around the player, full health and energy, the button
// held: the heaviest frame the game meets.
static void prepare_crowded_frame()
{
    player_health[0] = 100.0f;
    player_energy[0] = 100.0f;
    pending_damage = 0.0f;
    while (zombie_count < CROWD_SIZE) {
        int i = zombie_count;
        float radius = (float)(40 + (i % 10) * 25);
        float angle = (float)(i * 0.7);
        spawn_zombie(player_x[0] + radius * std::cos(angle),
                     player_y[0] + radius * std::sin(angle));
    }
    mouse_button_state[SDL_BUTTON_LEFT] = KEY_HELD;
}

static void run_game_frame()
{
    game_frame(1.0f);
}

// A field is built again only when its player changes cell: forget the cell.
static void prepare_path_field()
{
    path_field_cell[0] = PATH_NO_CELL;
}

static void run_path_field()
{
    update_path_fields();
}

// 250 zombies spread evenly on the spawn ring around player 0.
static float routed_x[CROWD_SIZE], routed_y[CROWD_SIZE], routed_angle[CROWD_SIZE];

static void prepare_routed_zombies()
{
    for (int i = 0; i < CROWD_SIZE; i++) {
        double around = 2.0 * M_PI * i / CROWD_SIZE;
        routed_x[i] = (float)(player_x[0] + 650.0 * std::cos(around));
        routed_y[i] = (float)(player_y[0] + 650.0 * std::sin(around));
    }
}

static void run_routed_zombies()
{
    for (int i = 0; i < CROWD_SIZE; i++)
        routed_angle[i] = route_angle(routed_x[i], routed_y[i], 0);
}

static int ring_in_sight()
{
    prepare_routed_zombies();
    int seen = 0;
    for (int i = 0; i < CROWD_SIZE; i++)
        seen += clear_line(routed_x[i], routed_y[i], player_x[0], player_y[0]);
    return seen;
}

// Player 0 on the floor tile whose ring, kept inside the world, is the most
// hidden behind walls: there the most zombies follow the field.
static void stand_behind_walls()
{
    const int RING_TILES = 7;  // the 650 ring stays this many tiles from the world's edge
    float best_x = player_x[0], best_y = player_y[0];
    int fewest = ring_in_sight();
    for (int tx = RING_TILES; tx < MAP_SIZE - RING_TILES; tx++)
        for (int ty = RING_TILES; ty < MAP_SIZE - RING_TILES; ty++) {
            if (map_tiles[tx][ty] >= FIRST_WALL_KIND)
                continue;
            player_x[0] = (float)(tx * TILE_SIZE + TILE_SIZE / 2);
            player_y[0] = (float)(ty * TILE_SIZE + TILE_SIZE / 2);
            int seen = ring_in_sight();
            if (seen < fewest) {
                fewest = seen;
                best_x = player_x[0];
                best_y = player_y[0];
            }
        }
    player_x[0] = best_x;
    player_y[0] = best_y;
}

// The ring's zombies walking the field to player 0 behind its walls, the
// field built again every frame as if the player changed cell each frame.
static void prepare_routed_frame()
{
    clear_zombies();
    prepare_routed_zombies();
    for (int i = 0; i < CROWD_SIZE; i++)
        spawn_zombie(routed_x[i], routed_y[i]);
    prepare_crowded_frame();
    path_field_cell[0] = PATH_NO_CELL;
}

// The zombies' way round walls, for a mode that routes them: player 0's
// field rebuilt, and the ring's zombies routed by it.
static void bench_paths(int depth, int repetitions, double blit_us)
{
    float start_x = player_x[0], start_y = player_y[0];
    build_path_grid();
    stand_behind_walls();
    update_path_fields();
    printf("(player 0 at %.0f, %.0f: %d of the %d zombies on its ring see it in a clear line)\n",
           player_x[0], player_y[0], ring_in_sight(), CROWD_SIZE);
    print_row("path field rebuild", depth, measure(repetitions, prepare_path_field, run_path_field),
              blit_us);
    print_row("250 routed zombies", depth,
              measure(repetitions, prepare_routed_zombies, run_routed_zombies), blit_us);
    player_x[0] = start_x;
    player_y[0] = start_y;
}

static void start_game_on(const char *map_name)
{
    snprintf(map_path, sizeof map_path, "Maps/%s", map_name);
    start_game_screen();
    seed_random(1);
    prepare_crowded_frame();
}

static const char *first_map_name()
{
    const char *best = nullptr;
    for (int i = 0; i < map_name_count; i++)
        if (is_listed_map(map_names[i]) && (!best || strcmp(map_names[i], best) < 0))
            best = map_names[i];
    return best;
}

// Four players, P1 at the keyboard and three on pads, all walking, aiming
// and firing: each frame the pads' stick and trigger events go through SDL's
// queue and the input update, as a game of four reads them.
static void push_pad_sticks()
{
    for (int pad = 0; pad < 3; pad++) {
        for (int axis : {0, 3, 5}) {
            SDL_Event event = {};
            event.type = SDL_JOYAXISMOTION;
            event.jaxis.which = (Uint8)pad;
            event.jaxis.axis = (Uint8)axis;
            event.jaxis.value =
                (Sint16)(axis == 5 ? AXIS_FULL : (pad % 2 ? AXIS_FULL : -AXIS_FULL));
            SDL_PushEvent(&event);
        }
    }
}

static void prepare_four_players()
{
    prepare_crowded_frame();
    push_pad_sticks();
}

static void run_four_players()
{
    update_input();
    game_frame(1.0f);
}

static void run_input_update()
{
    update_input();
}

static void bench_four_players(int depth, int repetitions, double blit_us)
{
    player_count = MAX_PLAYERS;
    for (int slot = 0; slot < MAX_PLAYERS; slot++)
        player_device[slot] = slot == 0 ? DEVICE_KEYBOARD : slot - 1;
    print_row("4 players, 3 on pads, 250 zombies", depth,
              measure(repetitions, prepare_four_players, run_four_players), blit_us);
    print_row("input update, 9 pad events", depth,
              measure(repetitions, push_pad_sticks, run_input_update), blit_us);
    player_count = 1;
    close_pads();
}

void bench_game_rows(int depth, int repetitions, const char *map_name, double blit_us)
{
    const char *map = map_name ? map_name : first_map_name();
    if (map) {
        start_game_on(map);
        print_row("game_frame, 250 zombies, firing", depth,
                  measure(repetitions, prepare_crowded_frame, run_game_frame), blit_us);
        bench_paths(depth, repetitions, blit_us);
        clear_zombies();
        start_game_on(map);
        bench_four_players(depth, repetitions, blit_us);
        clear_zombies();
        game_mode = MODE_WAVES;
        start_game_on(map);
        print_row("Waves game_frame, 250 zombies", depth,
                  measure(repetitions, prepare_crowded_frame, run_game_frame), blit_us);
        stand_behind_walls();
        print_row("Waves frame, 250 routed, new field", depth,
                  measure(repetitions, prepare_routed_frame, run_game_frame), blit_us);
        game_mode = MODE_CLASSIC;
        clear_zombies();
        clear_wall_rects();
    } else {
        fprintf(stderr, "bench: no map in %s\n", BENCH_MAPS_DIR);
    }
}
