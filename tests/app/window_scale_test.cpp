// window_scale_test.cpp -- choosing the window's multiple, presenting the canvas, the pointer in canvas pixels
#include "app/backdrop.h"
#include "app/settings.h"
#include "app/window_scale.h"
#include "support.h"
#include "ui/overlay.h"

// Each row: the desktop's width and height, the multiple asked for, full
// screen or not, and the multiple chosen.
TEST(WindowScale, TheMultipleFitsTheDesktopWithRoomForPanelsAndFullScreenFillsIt)
{
    const int FIT = SCALE_FIT;
    const int cases[][5] = {{1920, 1080, FIT, 0, 2}, {1920, 1080, 5, 0, 2},  {1920, 1080, 1, 0, 1},
                            {3840, 2160, FIT, 0, 4}, {1280, 960, FIT, 0, 1}, {1280, 960, FIT, 1, 2},
                            {0, 0, 3, 0, 1},         {2560, 1440, -4, 0, 1}};
    for (const auto &c : cases)
        EXPECT_EQ(choose_window_scale(c[0], c[1], c[2], c[3] != 0), c[4])
            << c[0] << "x" << c[1] << " asked " << c[2];
}

// A window of twice the canvas, at the test's depth: the canvas is its own
// surface, presented with every pixel doubled; the pointer maps back to the
// canvas pixel under it; the overlay (and so a screenshot) keeps 640 by 480.
class ScaledWindow : public ::testing::TestWithParam<int> {
protected:
    void SetUp() override
    {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0);
        display_surface = window_surface = nullptr;
        desktop_w = 1920;
        desktop_h = 1080;
        setting_scale = SCALE_FIT;
        ASSERT_TRUE(open_window(false, GetParam()));
    }
    void TearDown() override
    {
        SDL_FreeSurface(display_surface);
        SDL_Quit();
        display_surface = window_surface = nullptr;
        window_scale = 1;
        canvas_left = canvas_top = desktop_w = desktop_h = 0;
        setting_scale = SCALE_ABSENT;
    }
};

TEST_P(ScaledWindow, EveryCanvasPixelBecomesATwoByTwoBlockAndThePointerMapsBack)
{
    ASSERT_TRUE(window_surface->w == 1280 && window_surface->h == 960 && window_scale == 2);
    ASSERT_TRUE(display_surface != window_surface && display_surface->w == 640 &&
                display_surface->h == 480);
    srand(7);
    for (int y = 0; y < 480; y++)
        for (int x = 0; x < 640; x++)
            write_pixel(display_surface, x, y,
                        display_rgb(rand() % 256, rand() % 256, rand() % 256));
    present_frame();
    int wrong = 0;
    for (int y = 0; y < 960; y++)
        for (int x = 0; x < 1280; x++)
            wrong += read_pixel(window_surface, x, y) != read_pixel(display_surface, x / 2, y / 2);
    EXPECT_EQ(wrong, 0);

    const int pointer[][4] = {
        {0, 0, 0, 0}, {1, 1, 0, 0}, {2, 3, 1, 1}, {1279, 959, 639, 479}, {1500, -5, 639, 0}};
    for (const auto &p : pointer) {
        int cx = -1, cy = -1;
        window_to_canvas(p[0], p[1], cx, cy);
        EXPECT_TRUE(cx == p[2] && cy == p[3]) << p[0] << "," << p[1] << " gave " << cx << "," << cy;
    }
    init_overlay();
    EXPECT_TRUE(backdrop_snapshot->w == 640 && backdrop_snapshot->h == 480);

    // Full screen centres the multiple that fits on black; the canvas keeps its picture.
    Uint32 corner = read_pixel(display_surface, 0, 0);
    ASSERT_TRUE(open_window(true, GetParam()));
    EXPECT_TRUE(window_surface->w == 1920 && window_scale == 2 && canvas_left == 320 &&
                canvas_top == 60);
    EXPECT_EQ(read_pixel(display_surface, 0, 0), corner);
    present_frame();
    EXPECT_EQ(read_pixel(window_surface, 319, 60), 0u);
    EXPECT_EQ(read_pixel(window_surface, 321, 61), corner);
}

INSTANTIATE_AT_BOTH_DEPTHS(ScaledWindow);
