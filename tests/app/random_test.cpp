// random_test.cpp -- the counted stream: a place in it found again by seed and count
#include "app/random.h"
#include "support.h"

// Seeded again and skipped past the draws made, the stream goes on with the
// very numbers it would have drawn; every draw is counted.
TEST(GameRandom, TheSeedAndTheCountOfDrawsFindTheSamePlaceAgain)
{
    seed_random(20261208);
    for (int i = 0; i < 1000; i++)
        game_random();
    EXPECT_EQ(random_draws, 1000);
    std::vector<int> next = {game_random(), game_random(), game_random()};
    seed_random(20261208);
    skip_random(1000);
    EXPECT_EQ((std::vector<int>{game_random(), game_random(), game_random()}), next);
    EXPECT_TRUE(random_seed == 20261208u && random_draws == 1003);
}
