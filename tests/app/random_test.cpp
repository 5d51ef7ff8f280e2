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

// The generator kept for other C libraries draws glibc's very numbers: 0 and
// 1 seed alike, and seeds past 2^31 wrap as glibc's do. On Windows the
// first draws of seed 1 are glibc's well-known ones.
TEST(GameRandom, TheOwnGeneratorDrawsGlibcsNumbersForEverySeed)
{
#ifdef __GLIBC__
    for (unsigned seed : {0u, 1u, 2u, 12345u, 20261208u, 2147483647u, 2147483648u, 4294967295u}) {
        srand(seed);
        glibc_srand(seed);
        int differences = 0;
        for (int i = 0; i < 5000; i++)
            differences += rand() != glibc_rand();
        EXPECT_EQ(differences, 0) << "seed " << seed;
    }
#endif
    glibc_srand(1);
    std::vector<int> first = {glibc_rand(), glibc_rand(), glibc_rand()};
    EXPECT_EQ(first, (std::vector<int>{1804289383, 846930886, 1681692777}));
}
