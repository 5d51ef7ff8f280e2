// random.h -- the game's one stream of random numbers: rand(), counted, from a seed the game knows
#pragma once

#include <cstdint>

// Set by seed_random and counted by every draw, so that a recorded game can
// find its place in the stream again: seed the same, skip as many draws.
extern unsigned random_seed;  // what srand was last given
extern long random_draws;     // draws since then

void seed_random(unsigned seed);
int game_random();  // rand(), counted; glibc's own numbers on every C library
void skip_random(long draws);

// glibc's generator, for the C libraries whose rand() draws other numbers
const int GLIBC_DEGREE = 31;       // words of state
const int GLIBC_SEPARATION = 3;    // between the two words each draw adds
const int GLIBC_STIR_ROUNDS = 10;  // draws discarded after seeding, per word
extern int32_t glibc_state[GLIBC_DEGREE];
extern int glibc_front, glibc_rear;  // the words the next draw adds
void glibc_srand(unsigned seed);
int glibc_rand();
