// support.h -- what every test uses: scratch folders, displays at 16 or 32 bits, pixels, input
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef _WIN32
#include <direct.h>
#endif

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "app/artwork.h"
#include "app/display.h"
#include "app/input.h"
#include "app/pixels.h"
#include "app/random.h"
#include "app/sprite_tables.h"

#ifdef _WIN32
// The POSIX calls the tests make, as Windows' C library has them.
inline int mkdir(const char *path, int)
{
    return _mkdir(path);
}
inline int setenv(const char *name, const char *value, int)
{
    return _putenv_s(name, value);
}
inline int unsetenv(const char *name)
{
    return _putenv_s(name, "");
}
#endif

// A fresh empty folder made current, so the game's relative paths (settings.ini,
// Maps/, Saves/, screenshots) touch nothing else; leaving removes it.
void enter_scratch_folder(std::string &folder, std::string &previous_folder);
void leave_scratch_folder(const std::string &folder, const std::string &previous_folder);

// Runs each test inside its own scratch folder.
class ScratchFolderTest : public ::testing::Test {
protected:
    void SetUp() override { enter_scratch_folder(folder, previous_folder); }
    void TearDown() override { leave_scratch_folder(folder, previous_folder); }
    std::string folder;
    std::string previous_folder;
};

void write_text_file(const char *path, const std::string &text);
// A link to a file that is not there; on Windows, where players make no
// links, an empty file of the name stands in for the taken entry.
int make_dangling_entry(const char *target, const char *name);

// The 640x480 display at the depth given by the test parameter (16 is 5-6-5)
// in display_surface; afterwards SDL is shut down and the surface forgotten.
class DisplayTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override;
    void TearDown() override;
};

inline std::string depth_name(const ::testing::TestParamInfo<int> &info)
{
    return "bpp" + std::to_string(info.param);
}

#define INSTANTIATE_AT_BOTH_DEPTHS(fixture)                                                        \
    INSTANTIATE_TEST_SUITE_P(Depths, fixture, ::testing::Values(16, 32), depth_name)
// For code that draws only through SDL's blits and fills, which never looks at the pixel layout.
#define INSTANTIATE_AT_ONE_DEPTH(fixture)                                                          \
    INSTANTIATE_TEST_SUITE_P(Depth, fixture, ::testing::Values(32), depth_name)

// Pixel access on any surface, through its format.
// A pixel's colour bits, and its alpha where the format has one: the unused
// byte of a 32-bit pixel is 0 after classic SDL's blits and 255 after
// sdl12-compat's, and is no part of the picture.
inline Uint32 picture_bits(const SDL_PixelFormat *f, Uint32 pixel)
{
    return pixel & (f->Rmask | f->Gmask | f->Bmask | f->Amask);
}
inline Uint32 read_pixel(SDL_Surface *surface, int x, int y)
{
    return picture_bits(surface->format, read_surface_pixel(surface, x, y));
}
inline void write_pixel(SDL_Surface *surface, int x, int y, Uint32 value)
{
    write_surface_pixel(surface, x, y, value);
}
inline void pixel_rgb(SDL_Surface *surface, int x, int y, Uint8 *r, Uint8 *g, Uint8 *b)
{
    SDL_GetRGB(read_pixel(surface, x, y), surface->format, r, g, b);
}
SDL_Surface *display_like_surface(int w, int h);  // the display's pixel format
// A colour in the display's format.
inline Uint32 display_rgb(int r, int g, int b)
{
    return SDL_MapRGB(display_surface->format, (Uint8)r, (Uint8)g, (Uint8)b);
}
// Pixels of `surface` unlike `other`'s, or unlike `value` when other is null;
// the first few are reported as failures.
int differing_pixels(SDL_Surface *surface, SDL_Surface *other, Uint32 value = 0);

// Saves a surface as a PNG for a person to look at; returns false on failure.
bool save_surface_png(SDL_Surface *surface, const char *path);

void expect_rgb(SDL_Surface *surface, int x, int y, int r, int g, int b);
const int TEST_PLAIN_GREY = 40, TEST_BRIGHT_GREY = 200, TEST_GLYPH_GREEN = 200;
inline void expect_grey(SDL_Surface *surface, int x, int y, int grey)
{
    expect_rgb(surface, x, y, grey, grey, grey);
}
// A pixel of the stand-in font's block for c.
inline void expect_test_glyph(SDL_Surface *surface, int x, int y, char c)
{
    expect_rgb(surface, x, y, (Uint8)c, TEST_GLYPH_GREEN, 0);
}

// The pointer of slot 0 at (x, y) with the left button in the given state;
// click() presses it in this frame.
void point_at(int x, int y, int left_button);
inline void click(int x, int y)
{
    point_at(x, y, KEY_PRESSED);
}
// Queues a real SDL event: a key (code = symbol), a mouse button (code =
// button) or any other type.
void push_event(Uint8 type, int code = 0);
// A joystick event of pad `pad`: an axis to `value`, hat `index` to `value`,
// or button `index` down or up.
void push_pad(Uint8 type, int pad, int index, int value = 0);

// A menu-like screen: the display at the test's depth cleared to black, a
// scratch folder, the pointer at 0,0, no key or button down, and small
// stand-ins for the menu artwork in the display's format: a font whose glyph
// for character c is a solid 17x23 block of red c, green 200, blue 0, a plain
// background of grey 40 and a bright one of grey 200.
class ScreenTest : public DisplayTest {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string folder;
    std::string previous_folder;
};
