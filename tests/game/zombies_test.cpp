// zombies_test.cpp -- spawning on the ring, chase, crowding, walls, stragglers and contact
#include <cmath>
#include <cstdlib>

#include "game/collision.h"
#include "game/world.h"
#include "game/zombies.h"
#include "support.h"

class UpdateZombies : public ::testing::Test {
protected:
    void SetUp() override
    {
        clear_zombies();
        clear_wall_rects();
        player_count = 1;
        for (int i = 0; i < MAX_PLAYERS; i++) {
            player_x[i] = 2500.0f;
            player_y[i] = 2450.0f;
        }
        pending_damage = 0.0f;
        srand(1);
    }
    void TearDown() override
    {
        clear_zombies();
        clear_wall_rects();
        player_count = 1;
    }

    // A zombie placed directly, bypassing the spawn step.
    static Zombie &place_zombie(float x, float y, int target = 0)
    {
        int previous_count = player_count;
        player_count = 1;  // no random number for the target
        spawn_zombie(x, y);
        player_count = previous_count;
        zombies[zombie_count - 1]->target_player = target;
        return *zombies[zombie_count - 1];
    }

    // Fills the list to `count` with zombies on a grid 36 apart below player
    // 0, none touching another or the player and all well inside the ring.
    static void fill_horde(int count)
    {
        for (int i = 0; zombie_count < count; i++) {
            float x = 2500.0f + 36.0f * (float)(i % 20 - 10);
            float y = 2450.0f + 40.0f + 36.0f * (float)(i / 20);
            place_zombie(x, y);
        }
    }

    static double ring_x(int r) { return 2500.0 + 650.0 * std::sin((double)r); }
    static double ring_y(int r) { return 2450.0 + 650.0 * std::cos((double)r); }
};

TEST_F(UpdateZombies, TheFirstSpawnLiesOnTheRingAndDrawsOneRandomNumber)
{
    srand(7);
    int r = rand() % 360;
    int next = rand();

    srand(7);
    update_zombies(0.0f);  // no chase: the zombie stays where it was born
    ASSERT_EQ(zombie_count, 1);
    const Zombie &zombie = *zombies[0];
    EXPECT_NEAR(zombie.x, ring_x(r), 1e-3);  // sine on x
    EXPECT_NEAR(zombie.y, ring_y(r), 1e-3);  // cosine on y
    EXPECT_NEAR(person_distance(zombie.x, zombie.y, 2500.0f, 2450.0f), 650.0f, 1e-3);
    EXPECT_EQ(zombie.health, 100.0f);
    EXPECT_EQ(zombie.target_player, 0);
    EXPECT_EQ(rand(), next);  // no draw for the target with one player
}

TEST_F(UpdateZombies, WithTwoPlayersTheRingIsDrawnBeforeTheTarget)
{
    player_count = 2;
    player_x[1] = 2800.0f;
    srand(11);
    int r = rand() % 360;
    int target = rand() % 2;
    int next = rand();

    srand(11);
    update_zombies(0.0f);
    ASSERT_EQ(zombie_count, 1);
    EXPECT_NEAR(zombies[0]->x, ring_x(r), 1e-3);
    EXPECT_NEAR(zombies[0]->y, ring_y(r), 1e-3);
    EXPECT_EQ(zombies[0]->target_player, target);
    EXPECT_EQ(rand(), next);
}

TEST_F(UpdateZombies, SpawningStopsAtTheLimitAndResumesAfterAKill)
{
    fill_horde(ZOMBIE_SPAWN_LIMIT - 1);
    srand(1);
    update_zombies(1.0f);
    EXPECT_EQ(zombie_count, ZOMBIE_SPAWN_LIMIT);
    Zombie *last = zombies[ZOMBIE_SPAWN_LIMIT - 1];
    EXPECT_NEAR(person_distance(last->x, last->y, player_x[0], player_y[0]), 650.0f - 1.1f,
                0.05);

    update_zombies(1.0f);
    EXPECT_EQ(zombie_count, ZOMBIE_SPAWN_LIMIT);
    remove_zombie(3);
    update_zombies(1.0f);
    EXPECT_EQ(zombie_count, ZOMBIE_SPAWN_LIMIT);
    EXPECT_EQ(zombies[ZOMBIE_SPAWN_LIMIT - 2], last);  // the new one comes after the old
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

    clear_zombies();
    // A zombie right beside player 0 that chases player 1 walks away from 0.
    player_count = 2;
    player_x[1] = 2500.0f + 300.0f;
    player_y[1] = 2450.0f + 400.0f;
    Zombie &chaser = place_zombie(2500.0f, 2450.0f - 60.0f, 1);
    Zombie &diagonal = place_zombie(2500.0f - 300.0f, 2450.0f - 400.0f, 0);
    update_zombies(1.0f);
    const double chase_length = std::sqrt(300.0 * 300.0 + 460.0 * 460.0);
    EXPECT_NEAR(chaser.x, 2500.0 + 1.1 * 300.0 / chase_length, 1e-3);
    EXPECT_NEAR(chaser.y, 2390.0 + 1.1 * 460.0 / chase_length, 1e-3);
    EXPECT_NEAR(diagonal.x, 2200.0f + 0.66f, 1e-3);
    EXPECT_NEAR(diagonal.y, 2050.0f + 0.88f, 1e-3);
    EXPECT_NEAR(diagonal.angle, std::atan2(400.0, 300.0), 1e-6);
}

TEST_F(UpdateZombies, EveryOrderedPairIsSeparatedSoTwoZombiesThirtyApartEndThirtyThreeApart)
{
    Zombie &first = place_zombie(2700.0f, 2450.0f);
    Zombie &second = place_zombie(2730.0f, 2450.0f);
    srand(2);
    update_zombies(0.0f);
    // (first, second) moves each 1 apart: 32; (second, first) each 0.5 more: 33
    EXPECT_FLOAT_EQ(first.x, 2698.5f);
    EXPECT_FLOAT_EQ(second.x, 2731.5f);
    EXPECT_EQ(first.y, 2450.0f);
}

TEST_F(UpdateZombies, ZombiesArePushedOutOfWallsAfterCrowding)
{
    add_wall_rect(2600.0f, 2500.0f, 200.0f, 12.0f);
    Zombie &zombie = place_zombie(2700.0f, 2490.0f);  // 10 above the top edge
    update_zombies(0.0f);
    EXPECT_FLOAT_EQ(zombie.x, 2700.0f);
    EXPECT_FLOAT_EQ(zombie.y, 2483.0f);
}

TEST_F(UpdateZombies, StragglersJumpToTheRingAroundPlayerZeroAndSkipItsContactTest)
{
    player_count = 2;
    Zombie &at_limit = place_zombie(2500.0f + 750.0f, 2450.0f);
    Zombie &beyond = place_zombie(2500.0f - 750.5f, 2450.0f, 1);
    beyond.health = 60.0f;

    srand(5);
    int spawn_r = rand() % 360;
    int target = rand() % 2;
    int straggler_r = rand() % 360;
    int next = rand();
    ASSERT_GT(std::fabs(ring_x(spawn_r) - ring_x(straggler_r)) +
                  std::fabs(ring_y(spawn_r) - ring_y(straggler_r)), 100.0);
    // Player 1 waits 30 px right of the straggler's landing point: the new
    // position is already the one tested against slot 1.
    player_x[1] = (float)ring_x(straggler_r) + 30.0f;
    player_y[1] = (float)ring_y(straggler_r);

    srand(5);
    update_zombies(0.0f);
    ASSERT_EQ(zombie_count, 3);
    EXPECT_EQ(zombies[2]->target_player, target);
    EXPECT_EQ(at_limit.x, 3250.0f);
    EXPECT_NEAR(beyond.x, ring_x(straggler_r) - 2.0, 1e-3);  // then stepped back on contact
    EXPECT_NEAR(beyond.y, ring_y(straggler_r), 1e-3);
    EXPECT_EQ(beyond.health, 60.0f);
    EXPECT_EQ(beyond.target_player, 1);
    EXPECT_NEAR(player_x[1], ring_x(straggler_r) + 31.0, 1e-3);
    EXPECT_FLOAT_EQ(pending_damage, 0.4f);
    EXPECT_EQ(rand(), next);
}

TEST_F(UpdateZombies, ContactPushesZombieAndPlayerApartAndAddsDamage)
{
    Zombie &zombie = place_zombie(2530.0f, 2450.0f);
    update_zombies(0.0f);
    EXPECT_FLOAT_EQ(zombie.x, 2532.0f);
    EXPECT_FLOAT_EQ(player_x[0], 2499.0f);
    EXPECT_FLOAT_EQ(player_y[0], 2450.0f);
    EXPECT_FLOAT_EQ(pending_damage, 0.4f);

    // Two zombies touching the player in one frame add 0.4 each; the player,
    // shoved towards a wall 17 px away, is pushed back out of it.
    clear_zombies();
    pending_damage = 0.0f;
    player_x[0] = 2509.0f;
    add_wall_rect(2480.0f, 2350.0f, 12.0f, 200.0f);  // right edge at 2492
    place_zombie(2539.0f, 2450.0f);
    place_zombie(2509.0f, 2480.0f);
    update_zombies(0.0f);
    EXPECT_FLOAT_EQ(pending_damage, 0.8f);
    EXPECT_FLOAT_EQ(player_x[0], 2509.0f);
    EXPECT_FLOAT_EQ(player_y[0], 2449.0f);
}

TEST_F(UpdateZombies, ATargetOutsideThePlayerSlotsChasesSlotZero)
{
    Zombie &zombie = place_zombie(2800.0f, 2450.0f, 7);  // as a damaged save might hold
    update_zombies(1.0f);
    EXPECT_NEAR(zombie.x, 2798.9f, 1e-3);
    EXPECT_EQ(zombie.target_player, 7);
}
