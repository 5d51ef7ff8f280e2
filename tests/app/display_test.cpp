// display_test.cpp -- opening the window from the settings, the software pointer, blit_at
#include "app/display.h"
#include "app/input.h"
#include "app/main_loop.h"
#include "app/settings.h"
#include "support.h"
#include "ui/overlay.h"

// A dashboard whose pointer sprite has a different colour in every column
// and row, so a test can tell which sprite pixel landed where.
static SDL_Surface *make_test_dashboard()
{
    SDL_Surface *image = SDL_CreateRGBSurface(SDL_SWSURFACE | SDL_SRCALPHA, 640, 240, 32,
                                              0x00FF0000, 0x0000FF00, 0x000000FF, 0xFF000000);
    SDL_FillRect(image, nullptr, 0);  // fully transparent
    for (int v = 0; v < pointer_rect.h; v++)
        for (int u = 0; u < pointer_rect.w; u++)
            write_pixel(image, pointer_rect.x + u, pointer_rect.y + v,
                        SDL_MapRGBA(image->format, (Uint8)(u * 6), (Uint8)(v * 4), 200, 255));
    return image;
}

class PointerTest : public DisplayTest {
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        dashboard_image = make_test_dashboard();
        pointer_shown_before = false;
        SDL_FillRect(display_surface, nullptr, 0);
    }
    void TearDown() override
    {
        SDL_FreeSurface(dashboard_image);
        dashboard_image = nullptr;
        DisplayTest::TearDown();
    }
    void expect_sprite_pixel(int x, int y, int u, int v)
    {
        Uint8 r, g, b;
        pixel_rgb(display_surface, x, y, &r, &g, &b);
        Uint8 er, eg, eb;
        SDL_GetRGB(SDL_MapRGB(display_surface->format, (Uint8)(u * 6), (Uint8)(v * 4), 200),
                   display_surface->format, &er, &eg, &eb);
        EXPECT_EQ(r, er) << x << "," << y;
        EXPECT_EQ(g, eg) << x << "," << y;
        EXPECT_EQ(b, eb) << x << "," << y;
    }
    void expect_black(int x, int y)
    {
        EXPECT_EQ(read_pixel(display_surface, x, y), 0u) << x << "," << y;
    }
};

TEST_P(PointerTest, NoPointerOnTheFirstFrameThenItsHotSpotFollowsTheMouse)
{
    mouse_x[0] = 100;
    mouse_y[0] = 100;
    draw_pointer();
    expect_black(88, 90);
    EXPECT_TRUE(pointer_shown_before);

    draw_pointer();
    EXPECT_TRUE(mouse_focus);
    expect_sprite_pixel(88, 90, 0, 0);
    expect_sprite_pixel(127, 149, 39, 59);
    expect_black(87, 90);
    expect_black(128, 149);
    expect_black(88, 89);
    expect_black(88, 150);
}

TEST_P(PointerTest, NearTheCornerTheSpriteIsClippedNotMoved)
{
    pointer_shown_before = true;
    mouse_x[0] = 0;
    mouse_y[0] = 0;
    draw_pointer();
    expect_sprite_pixel(0, 0, 12, 10);
    expect_sprite_pixel(27, 49, 39, 59);
    expect_black(28, 0);
    expect_black(0, 50);
}

TEST_P(PointerTest, WithoutTheDashboardNothingIsDrawn)
{
    SDL_FreeSurface(dashboard_image);
    dashboard_image = nullptr;
    pointer_shown_before = true;
    mouse_x[0] = 100;
    mouse_y[0] = 100;
    draw_pointer();
    for (int y = 80; y < 160; y++)
        for (int x = 80; x < 130; x++)
            expect_black(x, y);
}

INSTANTIATE_AT_BOTH_DEPTHS(PointerTest);

using StartUp = ScratchFolderTest;

TEST_F(StartUp, TheWindowIsAlways640By480AndTheDepthComesFromTheSettings)
{
    for (int depth : {16, 32}) {
        write_text_file(SETTINGS_FILE, "screenw=1024\nscreenh=768\nscreenbpp=" +
                                           std::to_string(depth) + "\nshowcursor=1\n");
        start_up();
        ASSERT_NE(display_surface, nullptr);
        EXPECT_EQ(display_surface->w, 640);
        EXPECT_EQ(display_surface->h, 480);
        EXPECT_FLOAT_EQ(display_width, 640.0f);
        EXPECT_FLOAT_EQ(display_height, 480.0f);
        EXPECT_EQ(color_depth, depth);
        EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
        char *title = nullptr;
        SDL_WM_GetCaption(&title, nullptr);
        EXPECT_STREQ(title, WINDOW_CAPTION);
        shut_down();
        display_surface = nullptr;
    }
}
