// random.cpp -- the game's one stream of random numbers: rand(), counted, from a seed the game knows
#include "app/random.h"

#include <cstdint>
#include <cstdlib>

unsigned random_seed = 1;  // rand() without srand draws as if seeded with 1
long random_draws = 0;
int32_t glibc_state[GLIBC_DEGREE];
int glibc_front = GLIBC_SEPARATION, glibc_rear = 0;

// glibc's rand(): an additive feedback generator over 31 words, the words
// filled from the seed by the minimal standard generator and then stirred by
// 310 discarded draws. Kept here so that a C library with another rand()
// draws the same numbers and a replay plays alike everywhere.
void glibc_srand(unsigned seed)
{
    if (seed == 0)
        seed = 1;
    int32_t word = (int32_t)seed;
    glibc_state[0] = word;
    for (int i = 1; i < GLIBC_DEGREE; i++) {
        long hi = word / 127773, lo = word % 127773;  // 16807 * word mod 2^31 - 1, unoverflowed
        word = (int32_t)(16807 * lo - 2836 * hi);
        if (word < 0)
            word += 2147483647;
        glibc_state[i] = word;
    }
    glibc_front = GLIBC_SEPARATION;
    glibc_rear = 0;
    for (int i = 0; i < GLIBC_DEGREE * GLIBC_STIR_ROUNDS; i++)
        glibc_rand();
}

int glibc_rand()
{
    uint32_t value = (uint32_t)glibc_state[glibc_front] + (uint32_t)glibc_state[glibc_rear];
    glibc_state[glibc_front] = (int32_t)value;
    glibc_front = (glibc_front + 1) % GLIBC_DEGREE;
    glibc_rear = (glibc_rear + 1) % GLIBC_DEGREE;
    return (int)(value >> 1);  // the lowest bit is the least random
}

void seed_random(unsigned seed)
{
#ifdef __GLIBC__
    srand(seed);
#else
    glibc_srand(seed);
#endif
    random_seed = seed;
    random_draws = 0;
}

int game_random()
{
    random_draws++;
#ifdef __GLIBC__
    return rand();
#else
    return glibc_rand();
#endif
}

void skip_random(long draws)
{
    for (long i = 0; i < draws; i++)
        game_random();
}
