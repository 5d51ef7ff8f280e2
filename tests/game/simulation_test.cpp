// simulation_test.cpp -- a long headless run of the moving world on a shipped map
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <set>

#include "game/collision.h"
#include "game/game_frame.h"
#include "game/players.h"
#include "game/world_fixture.h"
#include "game/zombies.h"
#include "maps/map_file.h"
#include "maps/map_prepare.h"
#include "maps/save_game.h"

const int RUN_FRAMES = 2000;
const int WALK_LEG_FRAMES = 45;        // frames per leg of the walked square
const int AIM_RADIUS = 150;            // display pixels around the view's centre
const double AIM_TURN = 0.05;          // radians the pointer circles per frame
const float FAR_FROM_PLAYER = 900.0f;  // stragglers are called back at 750, plus pushes
const int SAVE_EVERY_FRAMES = 10;

static bool within(float value, float low, float high) { return std::isfinite(value) && value >= low && value <= high; }

// The first broken rule of the world after a frame, or "".
static std::string broken_rule(int previous_kills)
{
    if (!within(player_health[0], 0, 100) || !within(player_energy[0], 0, 100) || view_scale != player_health[0] / 100)
        return "gauges";
    if (!within(camera_x, 0, CAMERA_MAX_X) || !within(camera_y, 0, CAMERA_MAX_Y) || !(pending_damage >= 0.0f))
        return "camera or damage";
    if (hurt_flash < 0 || hurt_flash > HURT_FLASH_MAX || hurt_flash % HURT_FLASH_STEP != 0 || (unsigned)fire_cooldown[0] > 1)
        return "flash or cooldown";
    if (!within(player_x[0], 0, WORLD_PIXELS) || !within(player_y[0], 0, WORLD_PIXELS) || !std::isfinite(player_angle[0]))
        return "player position";
    if (zombie_count < 0 || zombie_count > ZOMBIE_SPAWN_LIMIT || zombies[zombie_count] != nullptr)
        return "zombie count";
    std::set<Zombie *> seen(zombies, zombies + zombie_count);
    for (int i = 0; i < zombie_count; i++) {
        const Zombie *z = zombies[i];
        if (!z || seen.size() != (size_t)zombie_count || !std::isfinite(z->angle) || !within(z->health, 1e-3f, 100) ||
            z->target_player != 0 || !(person_distance(z->x, z->y, player_x[0], player_y[0]) <= FAR_FROM_PLAYER))
            return "zombie " + std::to_string(i);
    }
    return kill_count < previous_kills ? "kill count fell" : "";
}

// A new game on a shipped map, as the start of a game makes it (less the floor's tiles).
static void start_game_on(const char *name)
{
    std::ifstream shipped(std::string(SHIPPED_MAPS_DIR) + "/" + name);
    ASSERT_TRUE(read_map_rows(shipped, map_tiles)) << name;
    prepare_map();
    reset_world_for_new_game();
}

static SDL_Surface *surface_16(int w, int h, Uint8 r, Uint8 g, Uint8 b)
{
    SDL_Surface *s = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 16, 0xF800, 0x07E0, 0x001F, 0);
    SDL_FillRect(s, nullptr, SDL_MapRGB(s->format, r, g, b));
    return s;
}

using HeadlessRun = CleanWorld;

// A player walks a square, sprinting on every fourth leg, while the pointer
// circles the view with the button held: a continuous circle of fire. The
// game's own update runs, then its firing, and shots paint into the whole
// floor; when the horde wins, a new game starts. Every tenth frame the game
// is saved and loaded again.
TEST_F(HeadlessRun, TwoThousandFramesOfPlayKeepTheWorldConsistent)
{
    fill_sprite_tables();
    view_surface = surface_16(VIEW_W, VIEW_H, 0, 0, 0);
    world_surface = surface_16(WORLD_PIXELS, WORLD_PIXELS, 0, 0, 0);
    people_image = surface_16(FACING_COUNT * SPRITE_SIZE, 3 * SPRITE_SIZE, 90, 120, 60);
    blood_image = surface_16(BLOOD_SPLAT_COUNT * BLOOD_SPLAT_SIZE, BLOOD_SPLAT_SIZE, 160, 0, 0);
    start_game_on("Town.map");
    const int walls = wall_rect_count, legs[4] = {SDLK_d, SDLK_s, SDLK_a, SDLK_w};
    ASSERT_GT(walls, 0);
    const float speed_factors[5] = {1.0f, 2.0f, 0.5f, 1.5f, 0.2f};
    mouse_button_state[SDL_BUTTON_LEFT] = KEY_HELD;
    srand(2024);
    int most_zombies = 0, games = 1, earlier_kills = 0, kills_at_half = 0;
    for (int frame = 0; frame < RUN_FRAMES; frame++) {
        int leg = frame / WALK_LEG_FRAMES, kills_before = kill_count;
        for (int k = 0; k < 4; k++)
            key_state[legs[k]] = k == leg % 4 ? KEY_HELD : KEY_UP;
        key_state[SDLK_LSHIFT] = leg % 4 == 0 ? KEY_HELD : KEY_UP;
        mouse_x[0] = 320 + (int)(AIM_RADIUS * std::cos(frame * AIM_TURN));
        mouse_y[0] = 240 + (int)(AIM_RADIUS * std::sin(frame * AIM_TURN));
        update_game(speed_factors[frame % 5]);
        fire_weapons();
        view_scale = player_health[0] / 100;
        ASSERT_EQ(broken_rule(kills_before), "") << "after frame " << frame;
        // Every game the player could save here loads again; play goes on from the loaded one.
        if (frame % SAVE_EVERY_FRAMES == 0) {
            ASSERT_TRUE(load_game_from_text(saved_game_text())) << "saved at frame " << frame;
        }
        most_zombies = std::max(most_zombies, zombie_count);
        if (frame == RUN_FRAMES / 2)
            kills_at_half = earlier_kills + kill_count;
        if (player_health[0] == 0.0f) {
            earlier_kills += kill_count;
            end_game();
            ASSERT_EQ(zombie_count + wall_rect_count, 0);
            start_game_on("Town.map");
            ASSERT_EQ(wall_rect_count, walls);
            games++;
        }
    }
    printf("[ run      ] %d walls, %d games, %d zombies at most, %d kills (%d by frame %d)\n", walls, games,
           most_zombies, earlier_kills + kill_count, kills_at_half, RUN_FRAMES / 2);
    EXPECT_EQ(most_zombies, ZOMBIE_SPAWN_LIMIT);
    EXPECT_GT(kills_at_half, 0);
    EXPECT_GT(earlier_kills + kill_count, kills_at_half);
}
