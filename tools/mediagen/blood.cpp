// blood.cpp -- sixteen blood splats with soft edges and per-pixel alpha
#include "blood.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "noise.h"

const float SPLAT_CENTRE = BLOOD_SPLAT_SIZE / 2.0f;
const float SPLAT_REACH = 20.5f;  // nothing beyond this radius: the border stays clear
const float MAX_OPACITY = 0.9f;
const int MAX_BLOBS = 40;

// A splat is a few soft capsules: the main pool, droplets and streaks flung outwards.
struct Blob {
    float x0, y0, x1, y1, radius;
};

static int plan_splat(int index, Blob blobs[MAX_BLOBS])
{
    Random r = make_random(1000 + index);
    int n = 0;
    float heading = random_range(r, 0, 6.2831853f);
    float pool = random_range(r, 3.5f, 8.5f);
    // The pool: two or three overlapping lumps around the centre.
    int lumps = 2 + random_below(r, 2);
    for (int i = 0; i < lumps; i++) {
        float a = random_range(r, 0, 6.2831853f), d = random_range(r, 0, pool * 0.5f);
        float x = SPLAT_CENTRE + std::cos(a) * d, y = SPLAT_CENTRE + std::sin(a) * d;
        blobs[n++] = {x, y, x, y, pool * random_range(r, 0.6f, 1.0f)};
    }
    // Streaks thrown mostly along the heading, droplets at their ends.
    int streaks = 2 + random_below(r, 5);
    for (int i = 0; i < streaks && n < MAX_BLOBS - 2; i++) {
        float a = heading + random_range(r, -1.1f, 1.1f);
        float from = random_range(r, pool * 0.5f, pool);
        float to = random_range(r, pool + 3, 17.5f);
        float x0 = SPLAT_CENTRE + std::cos(a) * from, y0 = SPLAT_CENTRE + std::sin(a) * from;
        float x1 = SPLAT_CENTRE + std::cos(a) * to, y1 = SPLAT_CENTRE + std::sin(a) * to;
        blobs[n++] = {x0, y0, x1, y1, random_range(r, 0.7f, 1.6f)};
        blobs[n++] = {x1, y1, x1, y1, random_range(r, 1.0f, 2.2f)};
    }
    int drops = 3 + random_below(r, 9);
    for (int i = 0; i < drops && n < MAX_BLOBS; i++) {
        float a = random_unit(r) < 0.7f ? heading + random_range(r, -1.5f, 1.5f)
                                        : random_range(r, 0, 6.2831853f);
        float d = random_range(r, pool + 1, 18.0f);
        float x = SPLAT_CENTRE + std::cos(a) * d, y = SPLAT_CENTRE + std::sin(a) * d;
        blobs[n++] = {x, y, x, y, random_range(r, 0.5f, 1.5f)};
    }
    return n;
}

static void draw_splat(Picture &sheet, int index)
{
    Blob blobs[MAX_BLOBS];
    int n = plan_splat(index, blobs);
    int left = index * BLOOD_SPLAT_SIZE;
    for (int y = 0; y < BLOOD_SPLAT_SIZE; y++)
        for (int x = 0; x < BLOOD_SPLAT_SIZE; x++) {
            float px = x + 0.5f, py = y + 0.5f;
            // Thickness: how deep inside the nearest blob the pixel lies, roughened by noise.
            float depth = -1e9f;
            for (int i = 0; i < n; i++) {
                const Blob &b = blobs[i];
                float d = b.radius - capsule_distance(px, py, b.x0, b.y0, b.x1, b.y1);
                depth = std::max(depth, d / std::max(b.radius, 1.0f) * std::min(b.radius, 3.0f));
            }
            depth += 1.2f * (tile_noise(px, py, 12, BLOOD_SPLAT_SIZE, 2000 + index) - 0.5f);
            float fade = smoothstep(SPLAT_REACH, SPLAT_REACH - 3,
                                    std::hypot(px - SPLAT_CENTRE, py - SPLAT_CENTRE));
            float alpha = MAX_OPACITY * smoothstep(-0.6f, 0.9f, depth) * fade;
            if (alpha < 1.0f / 255)
                continue;
            // Thick blood is almost black; thin smears are a brighter red.
            float thick = smoothstep(0.5f, 3.0f, depth);
            Color c = mix(rgb(128, 14, 12), rgb(58, 4, 5), thick);
            c = scale_rgb(c, 0.9f + 0.2f * hash_unit(x, y, 3000 + index));
            c.a = alpha;
            at(sheet, left + x, y) = c;
        }
}

Picture make_blood()
{
    Picture sheet = make_picture(BLOOD_W, BLOOD_H, TRANSPARENT);
    for (int i = 0; i < BLOOD_SPLAT_COUNT; i++)
        draw_splat(sheet, i);
    return sheet;
}
