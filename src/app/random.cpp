// random.cpp -- the game's one stream of random numbers: rand(), counted, from a seed the game knows
#include "app/random.h"

#include <cstdlib>

unsigned random_seed = 1;  // rand() without srand draws as if seeded with 1
long random_draws = 0;

void seed_random(unsigned seed)
{
    srand(seed);
    random_seed = seed;
    random_draws = 0;
}

int game_random()
{
    random_draws++;
    return rand();
}

void skip_random(long draws)
{
    for (long i = 0; i < draws; i++)
        game_random();
}
