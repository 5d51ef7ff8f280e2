// noise.h -- seeded random numbers and tileable value and cell noise for the media generator
#pragma once

#include <cstdint>

// Our own generator, so the media are the same bytes on every machine and build.
struct Random {
    uint64_t state;
};

Random make_random(uint64_t seed);
uint32_t next_random(Random &r);
float random_unit(Random &r);  // [0, 1)
float random_range(Random &r, float lo, float hi);
int random_below(Random &r, int n);  // 0 .. n-1

uint32_t hash3(int x, int y, uint32_t seed);
float hash_unit(int x, int y, uint32_t seed);  // [0, 1) from a lattice point

// Value noise in [0, 1) over a lattice of `cells` by `cells` squares spanning
// `period` pixels, wrapping at the period, so a picture of that size tiles.
float tile_noise(float x, float y, int cells, int period, uint32_t seed);
// Sum of octaves from `cells` doubling, halving the weight each time; [0, 1).
float tile_fbm(float x, float y, int cells, int octaves, int period, uint32_t seed);

// Cell noise: one jittered point per cell of a `cells` by `cells` lattice over
// `period` pixels, wrapping. Gives the nearest and second distances in pixels
// and the nearest point's id.
struct CellHit {
    float nearest;
    float second;
    uint32_t id;
};
CellHit tile_cells(float x, float y, int cells, int period, uint32_t seed);
