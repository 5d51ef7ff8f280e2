// simulation_test.cpp -- a long headless run of the moving world on a shipped map
#include <SDL.h>
#include <sys/stat.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "app/assets.h"
#include "app/input.h"
#include "game/collision.h"
#include "game/game_frame.h"
#include "game/players.h"
#include "game/world.h"
#include "game/zombies.h"
#include "maps/map_file.h"
#include "maps/map_prepare.h"
#include "support.h"

const int RUN_FRAMES = 2000;
const int WALK_LEG_FRAMES = 45;      // frames per leg of the walking pattern
const double AIM_TURN = 0.05;        // radians the pointer circles per frame
const int AIM_RADIUS = 150;          // display pixels around the view's centre
const float FAR_FROM_PLAYER = 900.0f;  // stragglers are called back at 750, plus pushes

class HeadlessRun : public ScratchFolderTest {
protected:
    void SetUp() override
    {
        ScratchFolderTest::SetUp();
        fill_sprite_tables();
        // The floor and the art at 16 bits: shots paint blood and corpses
        // into the whole 5000 by 5000 floor as in the game.
        view_surface = make_surface(VIEW_W, VIEW_H);
        world_surface = make_surface(WORLD_PIXELS, WORLD_PIXELS);
        people_image = make_surface(FACING_COUNT * SPRITE_SIZE, 3 * SPRITE_SIZE);
        blood_image = make_surface(BLOOD_SPLAT_COUNT * BLOOD_SPLAT_SIZE, BLOOD_SPLAT_SIZE);
        SDL_FillRect(people_image, nullptr, SDL_MapRGB(people_image->format, 90, 120, 60));
        SDL_FillRect(blood_image, nullptr, SDL_MapRGB(blood_image->format, 160, 0, 0));
        memset(key_state, 0, sizeof key_state);
        memset(mouse_button_state, 0, sizeof mouse_button_state);
        clear_zombies();
        clear_wall_rects();
    }
    void TearDown() override
    {
        clear_zombies();
        clear_wall_rects();
        memset(key_state, 0, sizeof key_state);
        memset(mouse_button_state, 0, sizeof mouse_button_state);
        SDL_Surface **surfaces[] = {&view_surface, &world_surface, &people_image, &blood_image};
        for (SDL_Surface **surface : surfaces) {
            SDL_FreeSurface(*surface);
            *surface = nullptr;
        }
        ScratchFolderTest::TearDown();
    }
    static SDL_Surface *make_surface(int w, int h)
    {
        return SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 16, 0xF800, 0x07E0, 0x001F, 0);
    }
    // Copies a shipped map into Maps/ here and starts a game on it, as the
    // start-of-game step does (less the painting of the floor's tiles).
    static void start_game_on(const char *name)
    {
        std::ifstream shipped(std::string(SHIPPED_MAPS_DIR) + "/" + name);
        ASSERT_TRUE(shipped.good()) << name;
        std::stringstream text;
        text << shipped.rdbuf();
        mkdir("Maps", 0755);
        snprintf(map_path, MAP_PATH_SIZE, "Maps/%s", name);
        write_text_file(map_path, text.str());
        load_map();
        prepare_map();
        player_count = 1;
        reset_world_for_new_game();
    }
};

static bool finite_in(float value, float low, float high)
{
    return std::isfinite(value) && value >= low && value <= high;
}

// The first broken invariant of the world after a frame, or "".
static std::string broken_invariant(int previous_kills)
{
    if (!finite_in(player_health[0], 0, 100) || !finite_in(player_energy[0], 0, 100))
        return "gauges";
    if (!finite_in(camera_x, 0, CAMERA_MAX_X) || !finite_in(camera_y, 0, CAMERA_MAX_Y))
        return "camera";
    if (hurt_flash < 0 || hurt_flash > HURT_FLASH_MAX || hurt_flash % HURT_FLASH_STEP != 0)
        return "hurt flash";
    if (fire_cooldown[0] != 0 && fire_cooldown[0] != 1)
        return "fire cooldown";
    if (view_scale != player_health[0] / 100)
        return "view scale";
    if (!(pending_damage >= 0.0f) || !std::isfinite(pending_damage))
        return "pending damage";
    if (!finite_in(player_x[0], 0, WORLD_PIXELS) || !finite_in(player_y[0], 0, WORLD_PIXELS) ||
        !std::isfinite(player_angle[0]))
        return "player position";
    if (zombie_count < 0 || zombie_count > ZOMBIE_SPAWN_LIMIT)
        return "zombie count";
    std::set<Zombie *> seen;
    for (int i = 0; i < zombie_count; i++) {
        Zombie *zombie = zombies[i];
        if (!zombie || !seen.insert(zombie).second)
            return "zombie list entry";
        if (!std::isfinite(zombie->x) || !std::isfinite(zombie->y) ||
            !std::isfinite(zombie->angle) || !(zombie->health > 0.0f) || zombie->health > 100.0f ||
            zombie->target_player != 0)
            return "zombie record";
        if (person_distance(zombie->x, zombie->y, player_x[0], player_y[0]) > FAR_FROM_PLAYER)
            return "straggler left far away";
    }
    if (zombie_count < ZOMBIE_SPAWN_LIMIT && zombies[zombie_count] != nullptr)
        return "entry beyond the count";
    if (kill_count < previous_kills)
        return "kill count fell";
    return "";
}

// A player walks a square, sprinting on every fourth leg, while the pointer
// circles the view and the button is held: a continuous circle of fire. The
// steps of the game frame that move the world run in the game's order, and
// when the horde wins, a new game starts on the same map.
TEST_F(HeadlessRun, TwoThousandFramesOfPlayKeepTheWorldConsistent)
{
    start_game_on("Town.map");
    const int walls = wall_rect_count;
    ASSERT_GT(walls, 0);
    srand(2024);
    const int legs[4] = {SDLK_d, SDLK_s, SDLK_a, SDLK_w};
    const float speed_factors[5] = {1.0f, 2.0f, 0.5f, 1.5f, 0.2f};
    mouse_button_state[SDL_BUTTON_LEFT] = KEY_HELD;
    int most_zombies = 0, games = 1, kills_of_ended_games = 0, kills_at_half = 0;

    for (int frame = 0; frame < RUN_FRAMES; frame++) {
        int leg = frame / WALK_LEG_FRAMES;
        for (int k = 0; k < 4; k++)
            key_state[legs[k]] = k == leg % 4 ? KEY_HELD : KEY_UP;
        key_state[SDLK_LSHIFT] = leg % 4 == 0 ? KEY_HELD : KEY_UP;
        mouse_x[0] = 320 + (int)(AIM_RADIUS * std::cos(frame * AIM_TURN));
        mouse_y[0] = 240 + (int)(AIM_RADIUS * std::sin(frame * AIM_TURN));
        int kills_before = kill_count;

        update_players(speed_factors[frame % 5]);
        update_zombies(speed_factors[frame % 5]);
        update_energy();
        update_health();
        update_camera();
        fire_weapons();
        view_scale = player_health[0] / 100;

        ASSERT_EQ(broken_invariant(kills_before), "") << "after frame " << frame;
        if (zombie_count > most_zombies)
            most_zombies = zombie_count;
        if (frame == RUN_FRAMES / 2)
            kills_at_half = kills_of_ended_games + kill_count;
        if (player_health[0] == 0.0f) {  // game over, and a new game on the same map
            kills_of_ended_games += kill_count;
            end_game();
            ASSERT_EQ(zombie_count, 0);
            ASSERT_EQ(wall_rect_count, 0);
            start_game_on("Town.map");
            ASSERT_EQ(wall_rect_count, walls);
            games++;
        }
    }
    int kills = kills_of_ended_games + kill_count;
    printf("[ run      ] %d walls, %d games, %d zombies at most, %d kills (%d by frame %d)\n", walls,
           games, most_zombies, kills, kills_at_half, RUN_FRAMES / 2);
    EXPECT_EQ(most_zombies, ZOMBIE_SPAWN_LIMIT);
    EXPECT_GT(kills_at_half, 0);
    EXPECT_GT(kills, kills_at_half);
}
