// backgrounds.cpp -- the menu background and its brightened twin
#include "backgrounds.h"

#include <algorithm>
#include <cmath>

#include "noise.h"

// A dead city at dusk: a smoky sky that stays calm where the title and the menu
// rows stand, a ruined skyline on a rust-red horizon, and the horde in the fog.
const int HORIZON_Y = 372;
const int GROUND_Y = 430;
const float MOON_X = 540, MOON_Y = 92, MOON_R = 26;

static Color sky(int x, int y)
{
    float t = clamp01((float)y / HORIZON_Y);
    Color c = mix(rgb(7, 6, 9), rgb(30, 16, 18), smoothstep(0.0f, 0.7f, t));
    c = mix(c, rgb(104, 42, 26), smoothstep(0.62f, 1.0f, t) * 0.9f);
    // Smoke drifting in long bands; strongest near the horizon, faint behind the menu.
    float smoke = tile_fbm(x * 0.5f, y * 1.6f, 6, 5, BACKGROUND_W, 501);
    c = scale_rgb(c, 0.75f + 0.5f * smoke * (0.4f + 0.6f * t));
    // The moon and its halo.
    float d = std::hypot(x - MOON_X, y - MOON_Y);
    float halo = std::exp(-d / 60.0f) * 0.22f;
    c = {c.r + halo * 0.8f, c.g + halo * 0.62f, c.b + halo * 0.5f, 1};
    if (d < MOON_R + 1) {
        float crater = tile_fbm(x, y, 8, 3, BACKGROUND_W, 502);
        Color moon = mix(rgb(214, 196, 168), rgb(150, 132, 112), smoothstep(0.45f, 0.7f, crater));
        c = mix(c, moon, clamp01(MOON_R + 0.5f - d));
    }
    return c;
}

// One row of ruins: for every column, the height of its building above the
// horizon, where that building starts and which of its windows still burn.
struct Skyline {
    float height[BACKGROUND_W];
    int left[BACKGROUND_W];
    int lit_seed[BACKGROUND_W];
};

static Skyline make_skyline(int layer)
{
    Skyline sky;
    Random r = make_random(600 + layer);
    int left = -30;
    while (left < BACKGROUND_W) {
        int width = 16 + random_below(r, layer == 0 ? 44 : 60);
        float height = layer == 0 ? random_range(r, 30, 140) : random_range(r, 12, 60);
        float slope = random_unit(r) < 0.35f ? random_range(r, -1.2f, 1.2f) : 0;  // a ruined top
        bool antenna = random_unit(r) < 0.2f;
        int lit_seed = random_below(r, 1000);
        int gap = layer == 0 ? 0 : random_below(r, 40);
        for (int x = std::max(0, left); x < std::min(BACKGROUND_W, left + width + gap); x++) {
            bool inside = x < left + width;
            sky.height[x] = inside ? height + slope * (x - left - width / 2.0f) : 0;
            if (inside && antenna && x == left + width / 3)
                sky.height[x] += 22;
            sky.left[x] = left;
            sky.lit_seed[x] = lit_seed;
        }
        left += width + gap;
    }
    return sky;
}

static bool lit_window(const Skyline &sky, int x, int y)
{
    int wx = (x - sky.left[x]) % 7, up = HORIZON_Y - y, wy = up % 9;
    return wx >= 2 && wx < 4 && wy >= 3 && wy < 6 && up > 8 && up < sky.height[x] - 6 &&
           hash3(sky.lit_seed[x], (x - sky.left[x]) / 7 * 64 + up / 9, 603) % 100 < 6;
}

// A shambling figure seen from the side, feet at (x, foot), `height` tall.
static void draw_walker(Picture &p, float x, float foot, float height, float lean, float facing,
                        int pose)
{
    const Color ink = rgb(9, 6, 6);
    float h = height;
    float hip_y = foot - 0.48f * h, shoulder_y = foot - 0.80f * h;
    float shoulder_x = x + lean * 0.12f * h;
    draw_capsule(p, x - 0.04f * h, hip_y, x - 0.09f * h + facing * 0.05f * h, foot, 0.05f * h,
                 ink);  // legs
    draw_capsule(p, x + 0.04f * h, hip_y, x + 0.10f * h, foot - 0.02f * h, 0.05f * h, ink);
    draw_capsule(p, x, hip_y, shoulder_x, shoulder_y, 0.11f * h, ink);  // torso
    draw_disc(p, shoulder_x + facing * 0.04f * h + lean * 0.05f * h, foot - 0.93f * h, 0.075f * h,
              ink);  // head
    float reach = facing * 0.36f * h;
    if (pose != 1)  // arms stretched toward their prey
        draw_capsule(p, shoulder_x, shoulder_y + 0.04f * h, shoulder_x + reach,
                     shoulder_y + 0.02f * h, 0.032f * h, ink);
    if (pose != 2)
        draw_capsule(p, shoulder_x, shoulder_y + 0.06f * h, shoulder_x + reach * 0.9f,
                     shoulder_y + 0.09f * h, 0.032f * h, ink);
    if (pose != 0)  // one arm hangs
        draw_capsule(p, shoulder_x, shoulder_y + 0.05f * h, shoulder_x + facing * 0.05f * h,
                     foot - 0.45f * h, 0.032f * h, ink);
}

static void draw_horde(Picture &p)
{
    // x, feet, height, lean, facing, pose: most of them in the right half, away from the menu rows.
    const float WALKERS[][6] = {
        {388, 452, 62, 0.4f, -1, 0},  {430, 446, 54, 0.8f, -1, 2},  {470, 458, 78, 0.3f, -1, 0},
        {520, 449, 60, -0.3f, -1, 1}, {566, 470, 104, 0.5f, -1, 0}, {612, 452, 66, 0.2f, -1, 2},
        {300, 447, 48, -0.5f, -1, 0}, {96, 462, 70, 0.4f, 1, 0},    {44, 449, 52, 0.7f, 1, 1},
    };
    for (const float *w : WALKERS)
        draw_walker(p, w[0], w[1], w[2], w[3], w[4], (int)w[5]);
}

Picture make_background()
{
    Picture p = make_picture(BACKGROUND_W, BACKGROUND_H, BLACK);
    Skyline far = make_skyline(0), near = make_skyline(1);
    for (int y = 0; y < BACKGROUND_H; y++)
        for (int x = 0; x < BACKGROUND_W; x++) {
            Color c = sky(x, std::min(y, HORIZON_Y));
            float haze = smoothstep(HORIZON_Y - 140.0f, (float)HORIZON_Y, (float)y);
            if (y >= HORIZON_Y - far.height[x])
                c = lit_window(far, x, y) ? rgb(150, 90, 40)
                                          : mix(rgb(22, 14, 14), rgb(58, 26, 20), haze);
            if (y >= HORIZON_Y + 18 - near.height[x])
                c = mix(rgb(14, 9, 9), rgb(30, 16, 14), haze * 0.6f);
            if (y >= GROUND_Y)
                c = mix(rgb(22, 12, 11), rgb(8, 6, 6),
                        smoothstep((float)GROUND_Y, (float)BACKGROUND_H, (float)y));
            // Ground fog between the ruins and the horde.
            float fog = tile_fbm(x * 0.7f, y * 2.0f, 5, 4, BACKGROUND_W, 505) *
                        std::exp(-std::fabs(y - 420.0f) / 22.0f);
            c = mix(c, rgb(96, 48, 36), 0.55f * fog);
            at(p, x, y) = c;
        }
    draw_horde(p);
    // Film grain, scratches and a heavy vignette.
    for (int y = 0; y < BACKGROUND_H; y++)
        for (int x = 0; x < BACKGROUND_W; x++) {
            Color &c = at(p, x, y);
            float grain = (hash_unit(x, y, 510) - 0.5f) * 0.035f;
            float scratch = hash_unit(x, 0, 511) > 0.996f ? 0.03f * hash_unit(x, y / 40, 512) : 0;
            float u = (x - (float)VIEW_CENTER_X) / VIEW_CENTER_X,
                  v = (y - (float)VIEW_CENTER_Y) / VIEW_CENTER_Y;
            float vignette = 1 - 0.55f * smoothstep(0.6f, 1.5f, std::sqrt(u * u + v * v));
            c = {(c.r + grain + scratch) * vignette, (c.g + grain + scratch) * vignette,
                 (c.b + grain + scratch) * vignette, 1};
        }
    return p;
}

Picture make_bright_background(const Picture &background)
{
    Picture p = background;
    for (Color &c : p.pixels) {
        // Lifted and warmed like a lamp held close: clearly brighter everywhere,
        // the darkest silhouettes included, so lit rows and gauge fills stand out.
        c = {clamp01(c.r * 1.7f + 0.20f), clamp01(c.g * 1.55f + 0.11f),
             clamp01(c.b * 1.45f + 0.07f), 1};
    }
    return p;
}
