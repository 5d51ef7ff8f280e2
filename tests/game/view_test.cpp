// view_test.cpp -- the composite of the view: zoom, border darkness and hurt tint
#include <cstdlib>
#include <vector>

#include "app/assets.h"
#include "app/display.h"
#include "game/view.h"
#include "game/world.h"
#include "support.h"

class CompositeView : public DisplayTest {
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        view_surface = SDL_DisplayFormat(display_surface);
        for (int &a : border_darkness)
            a = 0;
        index_border_darkness();
        hurt_flash = 0;
        view_scale = 1.0f;
    }
    void TearDown() override
    {
        SDL_FreeSurface(view_surface);
        view_surface = nullptr;
        DisplayTest::TearDown();
    }
    void fill_view_randomly(unsigned seed)
    {
        srand(seed);
        for (int y = 0; y < 480; y++)
            for (int x = 0; x < 640; x++)
                write_pixel(view_surface, x, y,
                            SDL_MapRGB(view_surface->format, (Uint8)rand(), (Uint8)rand(), (Uint8)rand()));
    }
    void set_view_rgb(int x, int y, int r, int g, int b)
    {
        write_pixel(view_surface, x, y, SDL_MapRGB(view_surface->format, (Uint8)r, (Uint8)g, (Uint8)b));
    }
};

// The plain per-pixel definition the fast paths must match exactly.
static std::vector<Uint32> reference_composite()
{
    std::vector<Uint32> out(640 * 480);
    const SDL_PixelFormat *f = display_surface->format;
    float sy = 240 - 240 * view_scale;
    for (int y = 0; y < 480; y++) {
        float sx = 320 - 320 * view_scale;
        for (int x = 0; x < 640; x++) {
            Uint32 p = read_pixel(view_surface, (int)sx, (int)sy);
            int red, green, blue;
            if (f->BitsPerPixel == 16) {
                red = (p >> 8) & 0xF8;
                green = (p >> 3) & 0xFC;
                blue = (p & 0x1F) * 8;
            } else {
                red = (int)((((p & f->Rmask) >> f->Rshift) << f->Rloss) & 0xFF);
                green = (int)((((p & f->Gmask) >> f->Gshift) << f->Gloss) & 0xFF);
                blue = (int)((((p & f->Bmask) >> f->Bshift) << f->Bloss) & 0xFF);
            }
            int a = border_darkness[x * 480 + y];
            int flash = hurt_flash < -a ? hurt_flash : -a;
            int channel[3] = {red + a + flash, green + a - flash, blue + a - flash};
            for (int &c : channel)
                c = c <= 0 ? 0 : (c >= 255 ? 255 : c);
            if (f->BitsPerPixel == 16)
                out[y * 640 + x] = ((channel[0] & 0xF8) << 8) | ((channel[1] & 0xFC) << 3) | (channel[2] >> 3);
            else
                out[y * 640 + x] = ((Uint32)channel[0] >> f->Rloss) << f->Rshift |
                                   ((Uint32)channel[1] >> f->Gloss) << f->Gshift |
                                   ((Uint32)channel[2] >> f->Bloss) << f->Bshift;
            sx = sx + view_scale;
        }
        sy = sy + view_scale;
    }
    return out;
}

TEST_P(CompositeView, MatchesThePlainDefinitionExactly)
{
    fill_view_randomly(7);
    srand(11);
    for (int x = 0; x < 640; x++)
        for (int y = 0; y < 480; y++) {
            // Mostly lit, with dark borders and random patches, as a real map.
            int edge = std::min(std::min(x, 639 - x), std::min(y, 479 - y));
            border_darkness[x * 480 + y] = edge < 60 ? -(rand() % 256) : (rand() % 9 == 0 ? -(rand() % 40) : 0);
        }
    index_border_darkness();
    for (float health : {100.0f, 73.0f, 50.0f, 0.0f})
        for (int flash : {0, 40, 100}) {
            view_scale = health / 100;
            hurt_flash = flash;
            composite_view();
            std::vector<Uint32> expected = reference_composite();
            int mismatches = 0;
            for (int y = 0; y < 480; y++)
                for (int x = 0; x < 640; x++)
                    mismatches += read_pixel(display_surface, x, y) != expected[y * 640 + x];
            EXPECT_EQ(mismatches, 0) << "health " << health << " flash " << flash;
        }
}

TEST_P(CompositeView, ZoomPicksTheNearestLowerPixelAboutTheCentre)
{
    fill_view_randomly(3);
    composite_view();
    for (int y : {0, 100, 479})
        for (int x : {0, 321, 639})
            EXPECT_EQ(read_pixel(display_surface, x, y), read_pixel(view_surface, x, y));

    view_scale = 0.5f;
    composite_view();
    EXPECT_EQ(read_pixel(display_surface, 0, 0), read_pixel(view_surface, 160, 120));
    EXPECT_EQ(read_pixel(display_surface, 1, 1), read_pixel(view_surface, 160, 120));
    EXPECT_EQ(read_pixel(display_surface, 639, 479), read_pixel(view_surface, 479, 359));

    view_scale = 0.0f;
    composite_view();
    for (int y : {0, 240, 479})
        for (int x : {0, 320, 639})
            EXPECT_EQ(read_pixel(display_surface, x, y), read_pixel(view_surface, 320, 240));
}

// Exact channel values at 32 bits; at 16 bits the same arithmetic runs on
// truncated channels and is covered by the comparison with the definition.
TEST_P(CompositeView, DarknessAndTintMoveChannelsAsTheTableSays)
{
    if (GetParam() != 32)
        GTEST_SKIP() << "exact channel values need 8 bits per channel";
    set_view_rgb(10, 10, 255, 0, 0);
    border_darkness[10 * 480 + 10] = -255;
    set_view_rgb(20, 20, 128, 128, 128);
    border_darkness[20 * 480 + 20] = -100;
    set_view_rgb(30, 30, 200, 160, 120);
    border_darkness[30 * 480 + 30] = -20;
    set_view_rgb(40, 40, 200, 160, 120);
    border_darkness[40 * 480 + 40] = -255;
    index_border_darkness();
    hurt_flash = 100;
    composite_view();
    expect_rgb(display_surface, 10, 10, 100, 0, 0);
    expect_rgb(display_surface, 20, 20, 128, 0, 0);
    expect_rgb(display_surface, 40, 40, 45, 0, 0);
    hurt_flash = 40;
    composite_view();
    expect_rgb(display_surface, 30, 30, 200, 120, 80);  // F = 20: red kept, others -40
}

TEST_P(CompositeView, AScaleOutsideZeroToOneNeverReadsOutsideTheView)
{
    fill_view_randomly(5);
    for (float scale : {-1.0f, 3.0f, 1e30f, -1e30f, __builtin_nanf("")}) {
        view_scale = scale;
        composite_view();  // the sanitizers catch any read outside the view
    }
    view_scale = 3.0f;
    composite_view();
    EXPECT_EQ(read_pixel(display_surface, 639, 479), read_pixel(view_surface, 639, 479));
    EXPECT_EQ(read_pixel(display_surface, 0, 0), read_pixel(view_surface, 0, 0));
}

INSTANTIATE_AT_BOTH_DEPTHS(CompositeView);

// A display with padded rows: the composite addresses both surfaces by pitch.
TEST(CompositeViewPitch, PaddedRowsAreAddressedByPitch)
{
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0);
    SDL_Surface *padded = SDL_CreateRGBSurface(SDL_SWSURFACE, 700, 480, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_Surface *view = SDL_CreateRGBSurface(SDL_SWSURFACE, 660, 480, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    for (int y = 0; y < 480; y++)
        for (int x = 0; x < 660; x++)
            write_pixel(view, x, y, (Uint32)(x * 1000 + y) & 0xFFFFFF);
    for (int &a : border_darkness)
        a = 0;
    index_border_darkness();
    view_scale = 1.0f;
    hurt_flash = 0;
    display_surface = padded;
    view_surface = view;
    composite_view();
    EXPECT_EQ(read_pixel(padded, 5, 7), read_pixel(view, 5, 7));
    EXPECT_EQ(read_pixel(padded, 639, 479), read_pixel(view, 639, 479));
    EXPECT_EQ(read_pixel(padded, 640, 3), 0u);  // beyond the 640 columns: untouched
    display_surface = view_surface = nullptr;
    SDL_FreeSurface(padded);
    SDL_FreeSurface(view);
    SDL_Quit();
}
