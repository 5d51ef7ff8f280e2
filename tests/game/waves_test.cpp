// waves_test.cpp -- the Waves mode: the same game at any frame rate, waves and breathers, open spawns, the view
#include "app/sound.h"
#include "game/camera.h"
#include "game/shots.h"
#include "game/view.h"
#include "game/waves.h"
#include "game/world_fixture.h"
#include "maps/map_file.h"
#include "maps/map_prepare.h"

class Waves : public CleanWorld {
protected:
    void SetUp() override
    {
        CleanWorld::SetUp();
        game_mode = MODE_WAVES;
        reset_world_for_new_game("");
    }
};

// Eight seconds of sprinting in a circle with the button held, from half
// health, at 30 and at 60 frames per second: the same spawns, shots and
// gauges at the same time. Energy runs out (sprint and shots cost more
// than it regains), so the overspent part turns into damage too.
TEST_F(Waves, ThirtyAndSixtyFramesPerSecondPlayTheSameGame)
{
    struct Outcome {
        int spawned, shots;
        float energy, health;
    } outcomes[2];
    const float speeds[2] = {1.0f, 0.5f};
    for (int run = 0; run < 2; run++) {
        clean_world();
        game_mode = MODE_WAVES;
        reset_world_for_new_game("");
        player_health[0] = 50.0f;
        seed_random(7);
        int shots = 0, frames = (int)(8 * REFERENCE_FRAMES_PER_SECOND / speeds[run]);
        mouse_button_state[SDL_BUTTON_LEFT] = KEY_HELD;
        key_state[SDLK_LSHIFT] = KEY_HELD;
        for (int f = 0; f < frames; f++) {
            key_state[SDLK_d] = (f / 20) % 2 ? KEY_HELD : KEY_UP;
            key_state[SDLK_s] = (f / 20) % 2 ? KEY_UP : KEY_HELD;
            run_game_update(speeds[run]);
            int before = next_shot_variant;
            fire_weapons();
            shots += next_shot_variant != before;
        }
        outcomes[run] = {wave_spawned, shots, player_energy[0], player_health[0]};
    }
    EXPECT_EQ(outcomes[0].spawned, outcomes[1].spawned);
    EXPECT_GT(outcomes[0].spawned, 0);
    EXPECT_NEAR(outcomes[0].shots, outcomes[1].shots, 1);
    EXPECT_NEAR(outcomes[0].shots, 8 * 15, 1);  // a shot every 1/15 s
    EXPECT_NEAR(outcomes[0].energy, outcomes[1].energy, 1.0f);
    EXPECT_NEAR(outcomes[0].health, outcomes[1].health, 0.5f);
    EXPECT_LT(outcomes[0].health, 50.0f);  // the overspent energy hurt
}

// The first wave is announced for 3 s, then spawns its zombies; when the
// last one is gone the next wave is announced for 5 s and brings more.
TEST_F(Waves, AWaveSpawnsItsZombiesEndsWhenTheyAreDeadAndABreatherAnnouncesTheNext)
{
    seed_random(3);
    for (int f = 0; f < FIRST_BREATHER_FRAMES - 1; f++)
        run_game_update(1.0f);
    EXPECT_EQ(zombie_count, 0);
    EXPECT_GT(breather_left, 0.0f);
    for (int f = 0; f < 2000 && wave_spawned < wave_size(1); f++)
        run_game_update(1.0f);
    EXPECT_EQ(wave_spawned, wave_size(1));
    EXPECT_EQ(wave_zombies_left(), zombie_count);
    clear_zombies();  // every one shot
    run_game_update(1.0f);
    EXPECT_EQ(wave_number, 2);
    EXPECT_EQ(breather_left, BREATHER_FRAMES);
    EXPECT_EQ(wave_zombies_left(), wave_size(2));
    EXPECT_GT(wave_size(2), wave_size(1));
    EXPECT_GT(wave_speed(5), wave_speed(1));
}

// Spawn points land on the ring around the player, never in a wall or out
// of the world: a ring walled all round but one gap finds the gap.
TEST_F(Waves, SpawnPointsOnTheRingAvoidWallsAndTheWorldsEdge)
{
    player_x[0] = 2500.0f;
    player_y[0] = 2500.0f;
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++) {
            float d = std::hypot(x * 100 + 50 - 2500.0f, y * 100 + 50 - 2500.0f);
            if (d > 550 && d < 750 && !(x == 31 && y == 25))
                map_tiles[x][y] = TILE_WALL_LEFT;
        }
    prepare_map();
    seed_random(11);
    for (int i = 0; i < 20; i++) {
        float x, y;
        open_ring_point(x, y);
        EXPECT_TRUE(spot_is_open(x, y)) << x << "," << y;
        EXPECT_NEAR(std::hypot(x - 2500.0f, y - 2500.0f), 650.0f, 1.0f);
    }
    clear_wall_rects();
    player_x[0] = player_y[0] = 100.0f;  // in a corner: most of the ring lies outside
    for (int i = 0; i < 20; i++) {
        float x, y;
        open_ring_point(x, y);
        EXPECT_TRUE(x >= PERSON_RADIUS && y >= PERSON_RADIUS) << x << "," << y;
    }
}

// Low health magnifies at most 2 times in Waves (Classic goes on to 5 at
// health 20), and the camera keeps the player 40 pixels inside the visible
// view and above the gauges wherever it walks, corners of the world too.
TEST_F(Waves, TheViewMagnifiesAtMostTwiceAndKeepsThePlayerInSight)
{
    player_health[0] = 20.0f;
    set_game_view_scale();
    EXPECT_EQ(view_scale, WAVES_MIN_VIEW_SCALE);
    game_mode = MODE_CLASSIC;
    set_game_view_scale();
    EXPECT_FLOAT_EQ(view_scale, 0.2f);
    game_mode = MODE_WAVES;
    const float spots[][2] = {{2500, 2500}, {30, 30}, {4970, 4970}, {4970, 30}, {30, 4970}};
    for (float scale : {1.0f, 0.5f})
        for (const auto &spot : spots) {
            view_scale = scale;
            camera_x = camera_y = 2000.0f;
            player_x[0] = aim_x = spot[0];
            player_y[0] = aim_y = spot[1];
            update_camera();
            EXPECT_TRUE(screen_x_of(player_x[0]) >= VIEW_KEEP_MARGIN - 0.01f &&
                        screen_x_of(player_x[0]) <= VIEW_W - VIEW_KEEP_MARGIN + 0.01f &&
                        screen_y_of(player_y[0]) >= VIEW_KEEP_MARGIN - 0.01f &&
                        screen_y_of(player_y[0]) <= GAUGES_TOP - VIEW_KEEP_MARGIN + 0.01f)
                << spot[0] << "," << spot[1] << " at " << scale << ": " << screen_x_of(player_x[0])
                << "," << screen_y_of(player_y[0]);
        }
}
