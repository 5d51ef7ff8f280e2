// noise.cpp -- seeded random numbers and tileable value and cell noise for the media generator
#include "noise.h"

#include <cmath>

Random make_random(uint64_t seed)
{
    Random r;
    r.state = seed * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull;
    return r;
}

uint32_t next_random(Random &r)
{
    // splitmix64
    uint64_t z = (r.state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return (uint32_t)((z ^ (z >> 31)) >> 32);
}

float random_unit(Random &r)
{
    return (next_random(r) >> 8) * (1.0f / 16777216.0f);
}

float random_range(Random &r, float lo, float hi)
{
    return lo + (hi - lo) * random_unit(r);
}

int random_below(Random &r, int n)
{
    return (int)(next_random(r) % (uint32_t)n);
}

uint32_t hash3(int x, int y, uint32_t seed)
{
    uint32_t h = seed * 0x27D4EB2Du ^ (uint32_t)x * 0x85EBCA6Bu ^ (uint32_t)y * 0xC2B2AE35u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

float hash_unit(int x, int y, uint32_t seed)
{
    return (hash3(x, y, seed) >> 8) * (1.0f / 16777216.0f);
}

static int wrap(int i, int n)
{
    int m = i % n;
    return m < 0 ? m + n : m;
}

float tile_noise(float x, float y, int cells, int period, uint32_t seed)
{
    float fx = x * cells / period, fy = y * cells / period;
    int ix = (int)std::floor(fx), iy = (int)std::floor(fy);
    float tx = fx - ix, ty = fy - iy;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    float a = hash_unit(wrap(ix, cells), wrap(iy, cells), seed);
    float b = hash_unit(wrap(ix + 1, cells), wrap(iy, cells), seed);
    float c = hash_unit(wrap(ix, cells), wrap(iy + 1, cells), seed);
    float d = hash_unit(wrap(ix + 1, cells), wrap(iy + 1, cells), seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

float tile_fbm(float x, float y, int cells, int octaves, int period, uint32_t seed)
{
    float sum = 0, weight = 0.5f, total = 0;
    for (int o = 0; o < octaves; o++) {
        sum += weight * tile_noise(x, y, cells, period, seed + 101u * o);
        total += weight;
        weight *= 0.5f;
        cells *= 2;
    }
    return sum / total;
}

CellHit tile_cells(float x, float y, int cells, int period, uint32_t seed)
{
    float size = (float)period / cells;
    int cx = (int)std::floor(x / size), cy = (int)std::floor(y / size);
    CellHit hit = {1e9f, 1e9f, 0};
    for (int j = -1; j <= 1; j++)
        for (int i = -1; i <= 1; i++) {
            int gx = cx + i, gy = cy + j;
            int wx = wrap(gx, cells), wy = wrap(gy, cells);
            float px = (gx + 0.15f + 0.7f * hash_unit(wx, wy, seed)) * size;
            float py = (gy + 0.15f + 0.7f * hash_unit(wx, wy, seed ^ 0x5bd1e995u)) * size;
            float d = std::hypot(x - px, y - py);
            if (d < hit.nearest) {
                hit.second = hit.nearest;
                hit.nearest = d;
                hit.id = hash3(wx, wy, seed + 7u);
            } else if (d < hit.second) {
                hit.second = d;
            }
        }
    return hit;
}
