// picture.cpp -- floating-point RGBA pictures, shape drawing and PNG output for the media generator
#include "picture.h"

#include <lodepng.h>

#include <algorithm>
#include <cmath>

const float SHAPE_EDGE = 0.5f;  // half-width of the antialiased rim, in pixels

Color rgb(int r, int g, int b)
{
    return {r / 255.0f, g / 255.0f, b / 255.0f, 1.0f};
}

Color mix(Color a, Color b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t,
            a.a + (b.a - a.a) * t};
}

Color scale_rgb(Color c, float f)
{
    return {c.r * f, c.g * f, c.b * f, c.a};
}

float clamp01(float v)
{
    return v < 0 ? 0 : v > 1 ? 1 : v;
}

float smoothstep(float edge0, float edge1, float v)
{
    float t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

Picture make_picture(int w, int h, Color fill)
{
    Picture p;
    p.w = w;
    p.h = h;
    p.pixels.assign((size_t)w * h, fill);
    return p;
}

Color &at(Picture &p, int x, int y)
{
    return p.pixels[(size_t)y * p.w + x];
}

Color get(const Picture &p, int x, int y)
{
    if (x < 0 || y < 0 || x >= p.w || y >= p.h)
        return TRANSPARENT;
    return p.pixels[(size_t)y * p.w + x];
}

void blend(Picture &p, int x, int y, Color c, float coverage)
{
    if (x < 0 || y < 0 || x >= p.w || y >= p.h)
        return;
    float a = clamp01(c.a * coverage);
    if (a <= 0)
        return;
    Color &d = at(p, x, y);
    float out_a = a + d.a * (1 - a);
    if (out_a <= 0)
        return;
    // Straight (unpremultiplied) alpha "over".
    d.r = (c.r * a + d.r * d.a * (1 - a)) / out_a;
    d.g = (c.g * a + d.g * d.a * (1 - a)) / out_a;
    d.b = (c.b * a + d.b * d.a * (1 - a)) / out_a;
    d.a = out_a;
}

void copy_into(Picture &dst, const Picture &src, int sx, int sy, int w, int h, int dx, int dy)
{
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            int tx = dx + x, ty = dy + y;
            if (tx >= 0 && ty >= 0 && tx < dst.w && ty < dst.h)
                at(dst, tx, ty) = get(src, sx + x, sy + y);
        }
}

void draw_over(Picture &dst, const Picture &src, int dx, int dy, int scale)
{
    for (int y = 0; y < src.h * scale; y++)
        for (int x = 0; x < src.w * scale; x++)
            blend(dst, dx + x, dy + y, get(src, x / scale, y / scale), 1.0f);
}

void fill_rect(Picture &p, int x, int y, int w, int h, Color c)
{
    for (int j = y; j < y + h; j++)
        for (int i = x; i < x + w; i++)
            if (i >= 0 && j >= 0 && i < p.w && j < p.h)
                at(p, i, j) = c;
}

// Covers every pixel whose centre lies within distance 0 of the shape given by
// the distance function, with a soft rim one pixel wide.
template <typename Distance>
static void draw_shape(Picture &p, int x0, int y0, int x1, int y1, Color c, Distance distance)
{
    for (int y = std::max(0, y0); y <= std::min(p.h - 1, y1); y++)
        for (int x = std::max(0, x0); x <= std::min(p.w - 1, x1); x++) {
            float d = distance(x + 0.5f, y + 0.5f);
            float coverage = clamp01(SHAPE_EDGE - d);
            if (coverage > 0)
                blend(p, x, y, c, coverage);
        }
}

void draw_disc(Picture &p, float cx, float cy, float radius, Color c)
{
    draw_shape(p, (int)(cx - radius - 2), (int)(cy - radius - 2), (int)(cx + radius + 2),
               (int)(cy + radius + 2), c,
               [&](float x, float y) { return std::hypot(x - cx, y - cy) - radius; });
}

void draw_ellipse(Picture &p, float cx, float cy, float rx, float ry, float angle, Color c)
{
    float cs = std::cos(angle), sn = std::sin(angle);
    float reach = std::max(rx, ry) + 2;
    draw_shape(p, (int)(cx - reach), (int)(cy - reach), (int)(cx + reach), (int)(cy + reach), c,
               [&](float x, float y) {
                   float u = (x - cx) * cs + (y - cy) * sn;
                   float v = -(x - cx) * sn + (y - cy) * cs;
                   float k = std::hypot(u / rx, v / ry);
                   // Distance approximated by the normalised radius times the smaller axis.
                   return (k - 1) * std::min(rx, ry);
               });
}

float capsule_distance(float px, float py, float x0, float y0, float x1, float y1)
{
    float dx = x1 - x0, dy = y1 - y0;
    float len2 = dx * dx + dy * dy;
    float t = len2 > 0 ? clamp01(((px - x0) * dx + (py - y0) * dy) / len2) : 0;
    return std::hypot(px - (x0 + t * dx), py - (y0 + t * dy));
}

void draw_capsule(Picture &p, float x0, float y0, float x1, float y1, float radius, Color c)
{
    draw_shape(p, (int)(std::min(x0, x1) - radius - 2), (int)(std::min(y0, y1) - radius - 2),
               (int)(std::max(x0, x1) + radius + 2), (int)(std::max(y0, y1) + radius + 2), c,
               [&](float x, float y) { return capsule_distance(x, y, x0, y0, x1, y1) - radius; });
}

static unsigned char to_byte(float v)
{
    return (unsigned char)(clamp01(v) * 255.0f + 0.5f);
}

bool write_png(const std::string &path, const Picture &p, PngKind kind, bool quick)
{
    bool alpha = kind == PNG_ALPHA;
    int channels = alpha ? 4 : 3;
    std::vector<unsigned char> bytes((size_t)p.w * p.h * channels);
    for (size_t i = 0; i < p.pixels.size(); i++) {
        const Color &c = p.pixels[i];
        unsigned char *o = &bytes[i * channels];
        o[0] = to_byte(c.r);
        o[1] = to_byte(c.g);
        o[2] = to_byte(c.b);
        if (alpha)
            o[3] = to_byte(c.a);
        if (kind == PNG_KEYED) {
            bool transparent = c.a < 0.5f;
            bool accidental_key = o[0] == 0 && o[1] == 255 && o[2] == 255;
            if (transparent) {
                o[0] = 0;
                o[1] = 255;
                o[2] = 255;
            } else if (accidental_key) {
                o[1] = 254;  // an opaque pixel must never read as the key colour
            }
        }
    }
    // The game reads some files without converting them, so the colour type is fixed
    // (never palette or grey, which would lose the red channel's masks).
    lodepng::State state;
    state.encoder.auto_convert = 0;
    state.info_raw.colortype = alpha ? LCT_RGBA : LCT_RGB;
    state.info_raw.bitdepth = 8;
    state.info_png.color.colortype = alpha ? LCT_RGBA : LCT_RGB;
    state.info_png.color.bitdepth = 8;
    if (quick) {
        state.encoder.zlibsettings.windowsize = 256;
        state.encoder.zlibsettings.lazymatching = 0;
    }
    std::vector<unsigned char> png;
    if (lodepng::encode(png, bytes, p.w, p.h, state) != 0)
        return false;
    return lodepng::save_file(png, path) == 0;
}
