// random.h -- the game's one stream of random numbers: rand(), counted, from a seed the game knows
#pragma once

// Set by seed_random and counted by every draw, so that a recorded game can
// find its place in the stream again: seed the same, skip as many draws.
extern unsigned random_seed;  // what srand was last given
extern long random_draws;     // draws since then

void seed_random(unsigned seed);
int game_random();  // rand(), counted
void skip_random(long draws);
