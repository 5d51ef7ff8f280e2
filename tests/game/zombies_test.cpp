// zombies_test.cpp -- spawning on the ring and stragglers, in the order of their random numbers
#include "game/collision.h"
#include "game/world_fixture.h"
#include "game/zombies.h"

// Player 0 at (2500, 2450); the ring 650 around it at a direction r.
class UpdateZombies : public CleanWorld {
protected:
    static double ring_x(int r) { return 2500.0 + 650.0 * std::sin((double)r); }
    static double ring_y(int r) { return 2450.0 + 650.0 * std::cos((double)r); }
};

// The ring's direction is drawn first, then the target only when several
// play; 249 zombies well inside the ring get one more, 250 none.
TEST_F(UpdateZombies, ASpawnLiesOnTheRingDrawsItsTargetOnlyWhenSeveralPlayAndStopsAtTheLimit)
{
    for (int players : {1, 2}) {
        clean_world();
        player_count = players;
        seed_random(7);
        int r = game_random() % 360, target = players == 1 ? 0 : game_random() % 2,
            next = game_random();
        seed_random(7);
        update_zombies(0.0f);  // no chase: the zombie stays where it was born
        ASSERT_EQ(zombie_count, 1);
        EXPECT_NEAR(zombies[0]->x, ring_x(r), 1e-3);  // sine on x
        EXPECT_NEAR(zombies[0]->y, ring_y(r), 1e-3);  // cosine on y
        EXPECT_TRUE(zombies[0]->target_player == target && game_random() == next)
            << players << " players";
    }
    clean_world();
    for (int i = 1; zombie_count < ZOMBIE_SPAWN_LIMIT - 1; i++)
        place_zombie(2500.0f + 36.0f * (float)(i % 20 - 10), 2490.0f + 36.0f * (float)(i / 20));
    update_zombies(1.0f);
    update_zombies(1.0f);
    EXPECT_EQ(zombie_count, ZOMBIE_SPAWN_LIMIT);
    EXPECT_NEAR(person_distance(zombies[249]->x, zombies[249]->y, 2500, 2450), 650.0f - 2.2f, 0.05);
}

// Beyond 750 from player 0 a zombie jumps to the ring (the third draw, after
// the new zombie's direction and target), where player 1 already touches it.
TEST_F(UpdateZombies, StragglersJumpToTheRingOfPlayerZeroWhereTheOtherSlotsAlreadySeeThem)
{
    player_count = 2;
    Zombie &at_limit = place_zombie(2500.0f + 750.0f, 2450.0f),
           &beyond = place_zombie(2500.0f - 750.5f, 2450.0f, 60.0f, 1);
    seed_random(5);
    int spawn_r = game_random() % 360, target = game_random() % 2,
        straggler_r = game_random() % 360, next = game_random();
    ASSERT_GT(std::fabs(ring_x(spawn_r) - ring_x(straggler_r)) +
                  std::fabs(ring_y(spawn_r) - ring_y(straggler_r)),
              100.0);
    player_x[1] = (float)ring_x(straggler_r) + 30.0f;  // 30 px right of the landing point
    player_y[1] = (float)ring_y(straggler_r);
    seed_random(5);
    update_zombies(0.0f);
    ASSERT_EQ(zombie_count, 3);
    EXPECT_EQ(zombies[2]->target_player, target);
    EXPECT_EQ(at_limit.x, 3250.0f);
    EXPECT_NEAR(beyond.x, ring_x(straggler_r) - 2.0, 1e-3);  // then stepped back on contact
    EXPECT_NEAR(beyond.y, ring_y(straggler_r), 1e-3);
    EXPECT_NEAR(player_x[1], ring_x(straggler_r) + 31.0, 1e-3);
    EXPECT_EQ(beyond.health + (float)beyond.target_player, 61.0f);
    EXPECT_FLOAT_EQ(pending_damage, 0.4f);
    EXPECT_EQ(game_random(), next);
}
