// media_files.cpp -- reading the generated media for the asset tests
#include "media_files.h"

#include <lodepng.h>

#include <cstdlib>

std::string media_path(const std::string &relative)
{
    return std::string(MEDIA_DIR) + "/" + relative;
}

MediaPicture read_media_picture(const std::string &relative)
{
    MediaPicture p;
    std::vector<unsigned char> file;
    if (lodepng::load_file(file, media_path(relative)) != 0 || file.empty())
        return p;
    lodepng::State state;
    unsigned w, h;
    if (lodepng_inspect(&w, &h, &state, file.data(), file.size()) != 0)
        return p;
    if (lodepng::decode(p.rgba, p.w, p.h, file, LCT_RGBA, 8) != 0)
        return p;
    p.color_type = state.info_png.color.colortype;
    return p;
}

Rgba pixel_of(const MediaPicture &p, int x, int y)
{
    const unsigned char *q = &p.rgba[((size_t)y * p.w + x) * 4];
    return {q[0], q[1], q[2], q[3]};
}

bool is_key(Rgba c)
{
    return c.r == 0 && c.g == 255 && c.b == 255;
}

float luminance(Rgba c)
{
    return 0.299f * c.r + 0.587f * c.g + 0.114f * c.b;
}

int colour_distance(Rgba a, Rgba b)
{
    return std::abs(a.r - b.r) + std::abs(a.g - b.g) + std::abs(a.b - b.b);
}
