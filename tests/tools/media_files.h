// media_files.h -- reading the generated media for the asset tests
#pragma once

#include <lodepng.h>

#include "support.h"

inline std::string media_path(const std::string &relative)
{
    return std::string(MEDIA_DIR) + "/" + relative;
}

struct Rgba {
    int r, g, b, a;
};

// A PNG of Media/ as 8-bit RGBA, with the file's colour type (-1 when unreadable).
struct MediaPicture {
    unsigned w = 0, h = 0;
    int color_type = -1;
    std::vector<unsigned char> rgba;
    Rgba at(int x, int y) const
    {
        const unsigned char *q = &rgba[((size_t)y * w + x) * 4];
        return {q[0], q[1], q[2], q[3]};
    }
};

inline MediaPicture read_media_picture(const std::string &relative)
{
    MediaPicture p;
    std::vector<unsigned char> file;
    lodepng::State state;  // decodes to 8-bit RGBA and tells the file's colour type
    if (lodepng::load_file(file, media_path(relative)) == 0 && lodepng::decode(p.rgba, p.w, p.h, state, file) == 0)
        p.color_type = state.info_png.color.colortype;
    return p;
}

inline bool is_key(Rgba c) { return c.r == 0 && c.g == 255 && c.b == 255; }  // cyan
inline float luminance(Rgba c) { return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b; }
inline int colour_distance(Rgba a, Rgba b) { return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b); }
