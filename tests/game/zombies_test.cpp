// zombies_test.cpp -- spawning on the ring, chase, crowding, walls, stragglers and contact
#include <cmath>
#include <cstdlib>

#include "game/collision.h"
#include "game/world_fixture.h"
#include "game/zombies.h"

using UpdateZombies = CleanWorld;  // player 0 at (2500, 2450)

static double ring_x(int r) { return 2500.0 + 650.0 * std::sin((double)r); }
static double ring_y(int r) { return 2450.0 + 650.0 * std::cos((double)r); }

TEST_F(UpdateZombies, ASpawnLiesOnTheRingDrawsItsTargetOnlyWhenSeveralPlayAndStopsAtTheLimit)
{
    for (int players : {1, 2}) {
        clean_world();
        player_count = players;
        srand(7);
        int r = rand() % 360, target = players == 1 ? 0 : rand() % 2, next = rand();
        srand(7);
        update_zombies(0.0f);  // no chase: the zombie stays where it was born
        ASSERT_EQ(zombie_count, 1);
        EXPECT_NEAR(zombies[0]->x, ring_x(r), 1e-3);  // sine on x
        EXPECT_NEAR(zombies[0]->y, ring_y(r), 1e-3);  // cosine on y
        EXPECT_EQ(zombies[0]->target_player, target);
        EXPECT_EQ(rand(), next) << players << " players";
    }
    // 249 zombies well inside the ring get one more; 250 get none.
    clean_world();
    for (int i = 1; zombie_count < ZOMBIE_SPAWN_LIMIT - 1; i++)
        place_zombie(2500.0f + 36.0f * (float)(i % 20 - 10), 2490.0f + 36.0f * (float)(i / 20));
    update_zombies(1.0f);
    update_zombies(1.0f);
    EXPECT_EQ(zombie_count, ZOMBIE_SPAWN_LIMIT);
    EXPECT_NEAR(person_distance(zombies[249]->x, zombies[249]->y, 2500, 2450), 650.0f - 2.2f, 0.05);
}

TEST_F(UpdateZombies, ZombiesChaseTheirOwnTargetAtTheScaledSpeed)
{
    Zombie &right = place_zombie(2800.0f, 2450.0f);
    update_zombies(2.0f);
    EXPECT_NEAR(right.x, 2797.8f, 1e-3);
    EXPECT_EQ(right.y, 2450.0f);
    EXPECT_NEAR(right.angle, M_PI, 1e-6);  // facing the player to its left
    update_zombies(0.2f);
    EXPECT_NEAR(right.x, 2797.58f, 1e-3);

    // Beside player 0, a zombie of player 1 walks away from 0 along (3, 4);
    // a target no slot has (only a damaged save holds one) chases slot 0.
    clean_world();
    player_count = 2;
    player_x[1] = 2800.0f, player_y[1] = 2790.0f;
    Zombie &chaser = place_zombie(2500.0f, 2390.0f, 100.0f, 1), &stray = place_zombie(2800.0f, 2450.0f, 100.0f, 7);
    update_zombies(1.0f);
    EXPECT_NEAR(chaser.x, 2500.66f, 1e-3);
    EXPECT_NEAR(chaser.y, 2390.88f, 1e-3);
    EXPECT_NEAR(stray.x, 2798.9f, 1e-3);
}

TEST_F(UpdateZombies, EveryOrderedPairIsSeparatedThenWallsPushZombiesOut)
{
    Zombie &first = place_zombie(2700.0f, 2450.0f), &second = place_zombie(2730.0f, 2450.0f);
    add_wall_rect(2600.0f, 2500.0f, 200.0f, 12.0f);
    Zombie &walled = place_zombie(2650.0f, 2490.0f);  // 10 above the wall's top edge
    update_zombies(0.0f);
    // (first, second) moves each 1 apart: 32; then (second, first) each 0.5 more: 33
    EXPECT_EQ((std::vector<float>{first.x, first.y, second.x, walled.x, walled.y}),
              (std::vector<float>{2698.5f, 2450, 2731.5f, 2650, 2483}));
}

TEST_F(UpdateZombies, StragglersJumpToTheRingOfPlayerZeroWhereTheOtherSlotsAlreadySeeThem)
{
    player_count = 2;
    Zombie &at_limit = place_zombie(2500.0f + 750.0f, 2450.0f), &beyond = place_zombie(2500.0f - 750.5f, 2450.0f, 60.0f, 1);
    srand(5);
    int spawn_r = rand() % 360, target = rand() % 2, straggler_r = rand() % 360, next = rand();
    ASSERT_GT(std::fabs(ring_x(spawn_r) - ring_x(straggler_r)) + std::fabs(ring_y(spawn_r) - ring_y(straggler_r)), 100.0);
    player_x[1] = (float)ring_x(straggler_r) + 30.0f;  // 30 px right of the landing point
    player_y[1] = (float)ring_y(straggler_r);
    srand(5);
    update_zombies(0.0f);
    ASSERT_EQ(zombie_count, 3);
    EXPECT_EQ(zombies[2]->target_player, target);
    EXPECT_EQ(at_limit.x, 3250.0f);
    EXPECT_NEAR(beyond.x, ring_x(straggler_r) - 2.0, 1e-3);  // then stepped back on contact
    EXPECT_NEAR(beyond.y, ring_y(straggler_r), 1e-3);
    EXPECT_NEAR(player_x[1], ring_x(straggler_r) + 31.0, 1e-3);
    EXPECT_EQ(beyond.health + (float)beyond.target_player, 61.0f);
    EXPECT_FLOAT_EQ(pending_damage, 0.4f);
    EXPECT_EQ(rand(), next);
}

TEST_F(UpdateZombies, ContactPushesZombieAndPlayerApartOutOfWallsAndAddsDamage)
{
    Zombie &zombie = place_zombie(2530.0f, 2450.0f);
    update_zombies(0.0f);
    EXPECT_EQ((std::vector<float>{zombie.x, player_x[0], player_y[0], pending_damage}),
              (std::vector<float>{2532, 2499, 2450, 0.4f}));

    // Two zombies touch at once; the player, shoved towards a wall 17 px
    // away, is pushed back out of it.
    clean_world();
    player_x[0] = 2509.0f;
    add_wall_rect(2480.0f, 2350.0f, 12.0f, 200.0f);  // right edge at 2492
    place_zombie(2539.0f, 2450.0f);
    place_zombie(2509.0f, 2480.0f);
    update_zombies(0.0f);
    EXPECT_EQ((std::vector<float>{player_x[0], player_y[0], pending_damage}), (std::vector<float>{2509, 2449, 0.8f}));
}
