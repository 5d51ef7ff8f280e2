// display_test.cpp -- the software pointer: not on the first frame, its hot spot, clipping
#include "support.h"
#include "ui/overlay.h"

// The stand-in pointer sprite has its own colour in every column u and row v:
// red 6u, green 4v, blue 200.
using PointerTest = DisplayTest;

TEST_P(PointerTest, NotOnTheFirstFrameThenTheHotSpotFollowsTheMouseAndTheSpriteIsClipped)
{
    dashboard_image = SDL_CreateRGBSurface(SDL_SWSURFACE | SDL_SRCALPHA, 640, 240, 32, 0xFF0000, 0xFF00, 0xFF, 0xFF000000);
    SDL_FillRect(dashboard_image, nullptr, 0);  // fully transparent
    for (int v = 0; v < 60; v++)
        for (int u = 0; u < 40; u++)
            write_pixel(dashboard_image, 440 + u, 60 + v,
                        SDL_MapRGBA(dashboard_image->format, (Uint8)(u * 6), (Uint8)(v * 4), 200, 255));
    auto expect_sprite = [](int x, int y, int u, int v) { expect_rgb(display_surface, x, y, u * 6, v * 4, 200); };
    SDL_FillRect(display_surface, nullptr, 0);
    pointer_shown_before = false;
    point_at(100, 100, KEY_UP);
    draw_pointer();
    EXPECT_EQ(differing_pixels(display_surface, nullptr, 0), 0);
    draw_pointer();
    EXPECT_TRUE(mouse_focus);
    expect_sprite(88, 90, 0, 0);  // the hot spot is 12 right of and 10 below the corner
    expect_sprite(127, 149, 39, 59);
    const int just_outside[][2] = {{87, 90}, {128, 149}, {88, 89}, {88, 150}};
    for (const auto &p : just_outside)
        expect_grey(display_surface, p[0], p[1], 0);
    point_at(0, 0, KEY_UP);  // near the corner the sprite is cut, not moved
    draw_pointer();
    expect_sprite(0, 0, 12, 10);
    expect_sprite(27, 49, 39, 59);
    SDL_FreeSurface(dashboard_image);
    dashboard_image = nullptr;
}

INSTANTIATE_AT_BOTH_DEPTHS(PointerTest);

// A depth SDL has no format for would keep the window from opening: the
// desktop's depth is used instead, and the valid ones are kept.
TEST(Window, OpensAtTheDesktopDepthWhenTheSettingIsNoColourDepth)
{
    const struct { int setting, opened; } cases[] = {{7, 0}, {-32, 0}, {2147483000, 0}, {16, 16}, {32, 32}};
    for (const auto &c : cases) {
        color_depth = c.setting, setting_fullscreen = false;
        display_width = (float)VIEW_W, display_height = (float)VIEW_H;
        init_display();
        ASSERT_NE(display_surface, nullptr) << c.setting;
        EXPECT_EQ(display_surface->w, 640);
        EXPECT_EQ(color_depth, c.opened ? c.opened : SDL_GetVideoInfo()->vfmt->BitsPerPixel) << c.setting;
        SDL_Quit();
        display_surface = nullptr;
    }
}
