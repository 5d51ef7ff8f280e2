// picture.h -- floating-point RGBA pictures, shape drawing and PNG output for the media generator
#pragma once

#include <string>
#include <vector>

// Colours are linear 0..1 floats; alpha 0 is transparent.
struct Color {
    float r, g, b, a;
};

struct Picture {
    int w, h;
    std::vector<Color> pixels;  // row-major
};

// How a picture is stored on disk.
enum PngKind {
    PNG_OPAQUE,  // 24-bit RGB, alpha ignored
    PNG_KEYED,   // 24-bit RGB, cyan where alpha is below one half
    PNG_ALPHA    // 32-bit RGBA
};

const Color TRANSPARENT = {0, 0, 0, 0};
const Color BLACK = {0, 0, 0, 1};

Color rgb(int r, int g, int b);        // 0..255 components, opaque
Color mix(Color a, Color b, float t);  // a + (b - a) t, alpha too
Color scale_rgb(Color c, float f);     // brightness, alpha kept
float clamp01(float v);
float smoothstep(float edge0, float edge1, float v);

Picture make_picture(int w, int h, Color fill);
Color &at(Picture &p, int x, int y);
Color get(const Picture &p, int x, int y);                      // outside gives TRANSPARENT
void blend(Picture &p, int x, int y, Color c, float coverage);  // "over", coverage 0..1
void copy_into(Picture &dst, const Picture &src, int sx, int sy, int w, int h, int dx, int dy);
void draw_over(Picture &dst, const Picture &src, int dx, int dy,
               int scale);  // alpha blend, pixel-doubled
void fill_rect(Picture &p, int x, int y, int w, int h, Color c);

// Antialiased shapes: coverage comes from the signed distance to the outline.
void draw_disc(Picture &p, float cx, float cy, float radius, Color c);
void draw_ellipse(Picture &p, float cx, float cy, float rx, float ry, float angle, Color c);
void draw_capsule(Picture &p, float x0, float y0, float x1, float y1, float radius, Color c);
float capsule_distance(float px, float py, float x0, float y0, float x1, float y1);

// Writes the picture as a PNG with exactly the given layout; false on failure.
// `quick` trades file size for speed (the contact sheet is only looked at).
bool write_png(const std::string &path, const Picture &p, PngKind kind, bool quick = false);
