// simulation_test.cpp -- a long headless run of the moving world on a shipped map
#include <sstream>

#include "fuzz/fuzz_targets.h"
#include "game/collision.h"
#include "game/gauges.h"
#include "game/shots.h"
#include "game/world_fixture.h"
#include "maps/map_file.h"
#include "maps/map_prepare.h"
#include "maps/save_game.h"

const int RUN_FRAMES = 2000;
const int WALK_LEG_FRAMES = 45;        // frames per leg of the walked square
const int AIM_RADIUS = 150;            // display pixels around the view's centre
const double AIM_TURN = 0.05;          // radians the pointer circles per frame
const float FAR_FROM_PLAYER = 900.0f;  // stragglers are called back at 750, plus pushes
const int SAVE_EVERY_FRAMES = 10;

// Whether the world keeps the rules of a live game after a frame: those of any
// loaded game, and the flash in its steps, player 0 in the world, up to 250
// zombies, every one chasing player 0 and near it.
static bool world_keeps_its_rules()
{
    bool kept = world_within_rules() && hurt_flash % HURT_FLASH_STEP == 0 &&
                within(player_x[0], 0, WORLD_PIXELS) && within(player_y[0], 0, WORLD_PIXELS) &&
                zombie_count <= ZOMBIE_SPAWN_LIMIT && zombies[zombie_count] == nullptr;
    for (int i = 0; kept && i < zombie_count; i++) {
        const Zombie *z = zombies[i];
        kept = z->target_player == 0 &&
               person_distance(z->x, z->y, player_x[0], player_y[0]) <= FAR_FROM_PLAYER;
    }
    return kept;
}

// A new game on Town.map, as the start of a game makes it (less the floor's tiles).
static void start_game_on_town()
{
    std::istringstream shipped(read_file((std::string(SHIPPED_MAPS_DIR) + "/Town.map").c_str()));
    ASSERT_TRUE(read_map_rows(shipped, map_tiles));
    reset_world_for_new_game("");
    prepare_map();
}

class HeadlessRun : public WorldPicture {};
INSTANTIATE_TEST_SUITE_P(Depth16, HeadlessRun, ::testing::Values(16), depth_name);

// A player walks a square, sprinting on every fourth leg, while the pointer
// circles the view with the button held: a continuous circle of fire. The
// game's own update runs, then its firing, and shots paint into the whole
// floor; when the horde wins, a new game starts. Every tenth frame the game
// is saved and loaded again, and play goes on from the loaded one.
TEST_P(HeadlessRun, TwoThousandFramesOfPlayKeepTheWorldConsistent)
{
    world_surface = display_like_surface(WORLD_PIXELS, WORLD_PIXELS);
    start_game_on_town();
    const int walls = wall_rect_count, legs[4] = {SDLK_d, SDLK_s, SDLK_a, SDLK_w};
    const float speed_factors[5] = {1.0f, 2.0f, 0.5f, 1.5f, 0.2f};
    mouse_button_state[SDL_BUTTON_LEFT] = KEY_HELD;
    seed_random(2024);
    int most_zombies = 0, games = 1, kills = 0;
    for (int frame = 0; frame < RUN_FRAMES; frame++) {
        int leg = frame / WALK_LEG_FRAMES, kills_before = kill_count;
        for (int k = 0; k < 4; k++)
            key_state[legs[k]] = k == leg % 4 ? KEY_HELD : KEY_UP;
        key_state[SDLK_LSHIFT] = leg % 4 == 0 ? KEY_HELD : KEY_UP;
        mouse_x[0] = 320 + (int)(AIM_RADIUS * std::cos(frame * AIM_TURN));
        mouse_y[0] = 240 + (int)(AIM_RADIUS * std::sin(frame * AIM_TURN));
        run_game_update(speed_factors[frame % 5]);
        fire_weapons();
        view_scale = player_health[0] / 100;
        ASSERT_TRUE(world_keeps_its_rules() && kill_count >= kills_before)
            << "after frame " << frame;
        if (frame % SAVE_EVERY_FRAMES == 0) {
            ASSERT_TRUE(load_game_from_text(saved_game_text())) << "saved at frame " << frame;
        }
        most_zombies = std::max(most_zombies, zombie_count);
        if (player_health[0] == 0.0f) {
            kills += kill_count;
            end_game();
            ASSERT_EQ(zombie_count + wall_rect_count, 0);
            start_game_on_town();
            ASSERT_EQ(wall_rect_count, walls);
            games++;
        }
    }
    EXPECT_TRUE(walls > 0 && games > 1 && most_zombies == ZOMBIE_SPAWN_LIMIT && kills > 0);
}
