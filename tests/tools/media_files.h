// media_files.h -- reading the generated media for the asset tests
#pragma once

#include <string>
#include <vector>

// A decoded PNG: 8-bit RGBA whatever the file holds, and the colour type of the file.
struct MediaPicture {
    unsigned w = 0, h = 0;
    int color_type = -1;           // LodePNG's LCT_* of the file, -1 when unreadable
    std::vector<unsigned char> rgba;
};

std::string media_path(const std::string &relative);   // under the generated Media/
MediaPicture read_media_picture(const std::string &relative);

struct Rgba {
    int r, g, b, a;
};
Rgba pixel_of(const MediaPicture &p, int x, int y);
bool is_key(Rgba c);                 // cyan, the colour key of keyed artwork
float luminance(Rgba c);             // 0..255
int colour_distance(Rgba a, Rgba b); // sum of absolute channel differences
