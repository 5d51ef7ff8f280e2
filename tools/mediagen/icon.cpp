// icon.cpp -- the game's icon: a zombie against the moon in a blood-red gun sight, at every size asked for
#include "icon.h"

#include <algorithm>
#include <cmath>

// Everything is placed in icon units (0..1 across) and scaled to the size, so all
// sizes show one picture. Lines keep at least MIN_LINE_PX so the sight survives 32 px.
const float MARGIN = 0.03f;      // clear border around the rounded square
const float CORNER = 0.17f;      // corner radius of the square
const float RIM_WIDTH = 0.035f;  // dark frame inside the square's edge
const float HORIZON_V = 0.84f;
const float MOON_U = 0.55f, MOON_V = 0.36f, MOON_R = 0.25f;
const float HEAD_U = 0.52f, HEAD_V = 0.35f;
const float SIGHT_R = 0.17f;     // the sight's ring around the head
const float SIGHT_LINE = 0.02f;  // half-width of the sight's ring and ticks
const float MIN_LINE_PX = 0.75f;

const Color NIGHT = rgb(7, 6, 9), DUSK = rgb(34, 16, 18), EMBER = rgb(146, 54, 30);
const Color MOON_LIGHT = rgb(222, 204, 174), MOON_SHADE = rgb(156, 136, 114);
const Color RUIN = rgb(20, 11, 11), GROUND = rgb(12, 8, 8);
const Color INK = rgb(9, 6, 6);  // the silhouettes, as on the menu background
const Color SIGHT = rgb(200, 26, 20);
const Color FRAME = rgb(40, 6, 6);

// The moon's darker seas, as discs in moon-relative units: x, y, radius.
const float SEAS[][3] = {{-0.35f, -0.30f, 0.28f}, {0.30f, 0.25f, 0.33f}, {-0.20f, 0.45f, 0.18f}};

// Ruined rooftops along the horizon: left edge, right edge, height above it, in icon units.
const float RUINS[][3] = {{0.00f, 0.12f, 0.06f},
                          {0.12f, 0.17f, 0.09f},
                          {0.17f, 0.36f, 0.04f},
                          {0.78f, 0.88f, 0.10f},
                          {0.88f, 1.00f, 0.06f}};

static float rounded_square_distance(float u, float v)
{
    float half = 0.5f - MARGIN;
    float qx = std::fabs(u - 0.5f) - (half - CORNER), qy = std::fabs(v - 0.5f) - (half - CORNER);
    float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - CORNER;
}

static Color moon(float u, float v)
{
    float mx = (u - MOON_U) / MOON_R, my = (v - MOON_V) / MOON_R;
    float sea = 0;
    for (const float *s : SEAS)
        sea = std::max(sea, smoothstep(s[2], s[2] * 0.6f, std::hypot(mx - s[0], my - s[1])));
    // Lit from the upper left: the lower right limb is a little darker.
    Color c = mix(MOON_LIGHT, MOON_SHADE, 0.6f * sea);
    return scale_rgb(c, 1 - 0.18f * smoothstep(0.2f, 1.0f, (mx + my) * 0.7f));
}

// The dusk behind the figure, per pixel: sky, halo, moon, ruins and ground.
static Color backdrop(float u, float v, float px)
{
    Color c = mix(NIGHT, DUSK, smoothstep(0.0f, 0.55f, v));
    c = mix(c, EMBER, smoothstep(0.42f, HORIZON_V, v) * 0.9f);
    float d = std::hypot(u - MOON_U, v - MOON_V);
    float halo = std::exp(-(d - MOON_R) / 0.12f) * 0.25f * (d > MOON_R);
    c = {c.r + halo * 0.8f, c.g + halo * 0.62f, c.b + halo * 0.5f, 1};
    c = mix(c, moon(u, v), clamp01((MOON_R - d) / px + 0.5f));
    for (const float *r : RUINS)
        if (u >= r[0] && u < r[1] && v >= HORIZON_V - r[2])
            c = RUIN;
    if (v >= HORIZON_V)
        c = mix(RUIN, GROUND, smoothstep(HORIZON_V, 1.0f, v));
    return c;
}

// A shambler seen from the side, reaching left for the player, hands hanging from
// the wrists; its head is dark against the moon and the frame cuts it off below.
static void draw_shambler(Picture &p)
{
    float s = (float)p.w;
    auto limb = [&](float u0, float v0, float u1, float v1, float r) {
        draw_capsule(p, u0 * s, v0 * s, u1 * s, v1 * s, r * s, INK);
    };
    draw_ellipse(p, 0.66f * s, 0.80f * s, 0.15f * s, 0.27f * s, -0.25f,
                 INK);                                      // hunched back and chest
    limb(0.60f, 0.56f, 0.555f, 0.45f, 0.05f);               // neck thrust forward
    draw_disc(p, HEAD_U * s, HEAD_V * s, 0.085f * s, INK);  // head
    limb(0.49f, 0.39f, 0.455f, 0.43f, 0.04f);               // slack jaw
    limb(0.62f, 0.55f, 0.24f, 0.50f, 0.036f);               // arms stretched for the prey
    limb(0.64f, 0.62f, 0.29f, 0.61f, 0.036f);
    limb(0.24f, 0.50f, 0.19f, 0.56f, 0.03f);  // limp hands
    limb(0.29f, 0.61f, 0.24f, 0.67f, 0.03f);
}

// A gun sight's ring around the head, ticks outside it, so the head stays a silhouette.
static void draw_sight(Picture &p)
{
    float s = (float)p.w;
    float half = std::max(SIGHT_LINE * s, MIN_LINE_PX);
    float cx = HEAD_U * s, cy = HEAD_V * s, r = SIGHT_R * s;
    for (int y = 0; y < p.h; y++)
        for (int x = 0; x < p.w; x++) {
            float ring = std::fabs(std::hypot(x + 0.5f - cx, y + 0.5f - cy) - r) - half;
            blend(p, x, y, SIGHT, clamp01(0.5f - ring));
        }
    const float DIRECTIONS[][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (const float *d : DIRECTIONS)
        draw_capsule(p, cx + d[0] * r * 0.75f, cy + d[1] * r * 0.75f, cx + d[0] * r * 1.35f,
                     cy + d[1] * r * 1.35f, half, SIGHT);
}

// Cuts the picture to its rounded square and darkens a frame along the edge.
static void cut_out(Picture &p)
{
    float px = 1.0f / p.w;
    float rim = std::max(RIM_WIDTH, MIN_LINE_PX * px);
    for (int y = 0; y < p.h; y++)
        for (int x = 0; x < p.w; x++) {
            float d = rounded_square_distance((x + 0.5f) * px, (y + 0.5f) * px);
            Color &c = at(p, x, y);
            c = mix(c, FRAME, clamp01((d + rim) / px + 0.5f));
            c.a = clamp01(0.5f - d / px);
        }
}

Picture make_icon(int size)
{
    Picture p = make_picture(size, size, BLACK);
    float px = 1.0f / size;
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++)
            at(p, x, y) = backdrop((x + 0.5f) * px, (y + 0.5f) * px, px);
    draw_shambler(p);
    draw_sight(p);
    cut_out(p);
    return p;
}
