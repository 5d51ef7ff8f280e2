// support.h -- fixtures shared by the tests: a scratch folder and a display at 16 or 32 bits
#pragma once

#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

// Runs each test inside a fresh empty folder, so the game's relative paths
// (settings.ini, Maps/, Saves/) touch nothing else; removed afterwards.
class ScratchFolderTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
    std::string folder;
    std::string previous_folder;
};

void write_text_file(const char *path, const std::string &text);

// Opens the 640x480 display at the depth given by the test parameter and
// stores it in display_surface; SDL is shut down after the test.
class DisplayTest : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override;
    void TearDown() override;
};

std::string depth_name(const ::testing::TestParamInfo<int> &info);

#define INSTANTIATE_AT_BOTH_DEPTHS(fixture) \
    INSTANTIATE_TEST_SUITE_P(Depths, fixture, ::testing::Values(16, 32), depth_name)

// Pixel access on any surface, through its format.
Uint32 read_pixel(SDL_Surface *surface, int x, int y);
void write_pixel(SDL_Surface *surface, int x, int y, Uint32 value);
void pixel_rgb(SDL_Surface *surface, int x, int y, Uint8 *r, Uint8 *g, Uint8 *b);

// Saves a surface as a PNG for a person to look at; returns false on failure.
bool save_surface_png(SDL_Surface *surface, const char *path);

// Small stand-ins for the menu artwork, in the display's format: a font whose
// glyph for character c is a solid 17x23 block of red c, green 200, blue 0;
// a plain background of grey 40 and a bright one of grey 200. Sets
// font_image, background_image, background_bright_image and the rectangle
// tables; free_test_artwork() frees them.
void make_test_artwork();
void free_test_artwork();
void expect_rgb(SDL_Surface *surface, int x, int y, int r, int g, int b);
const int TEST_PLAIN_GREY = 40, TEST_BRIGHT_GREY = 200, TEST_GLYPH_GREEN = 200;
