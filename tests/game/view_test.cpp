// view_test.cpp -- the composite of the view: zoom, border darkness and hurt tint
#include "game/darkness.h"
#include "game/view.h"
#include "game/world_fixture.h"

// A random view over a fully lit border darkness.
class CompositeView : public WorldPicture {
protected:
    void SetUp() override
    {
        WorldPicture::SetUp();
        seed_random(7);
        for (int y = 0; y < VIEW_H; y++)
            for (int x = 0; x < VIEW_W; x++)
                write_pixel(view_surface, x, y, (Uint32)game_random() & 0xFFFFFF);
        std::fill(border_darkness, border_darkness + VIEW_W * VIEW_H, 0);
        index_border_darkness();
    }
    static Uint32 shown(int x, int y) { return read_pixel(display_surface, x, y); }
    static Uint32 viewed(int x, int y) { return read_pixel(view_surface, x, y); }
};

// The plain per-pixel definition: source points stepped by the scale from
// the centre in floats; channels as the format's bits hold them, darkened
// by A and tinted by min(F, -A), each clamped to 0..255.
static Uint32 reference_pixel(const float *sx, const float *sy, int x, int y)
{
    const SDL_PixelFormat *f = display_surface->format;
    Uint32 p = read_pixel(view_surface, (int)sx[x], (int)sy[y]), out = 0;
    int a = border_darkness[x * VIEW_H + y], flash = std::min(hurt_flash, -a);
    const Uint32 masks[3] = {f->Rmask, f->Gmask, f->Bmask};
    const int shifts[3] = {f->Rshift, f->Gshift, f->Bshift},
              losses[3] = {f->Rloss, f->Gloss, f->Bloss};
    for (int i = 0; i < 3; i++) {
        int c = (int)((((p & masks[i]) >> shifts[i]) << losses[i]) & 0xFF) + a +
                (i == 0 ? flash : -flash);
        out |= ((Uint32)std::max(0, std::min(255, c)) >> losses[i]) << shifts[i];
    }
    return out;
}

TEST_P(CompositeView, MatchesThePlainDefinitionExactlyOnRandomViewsAndDarkness)
{
    seed_random(11);
    for (int x = 0; x < VIEW_W; x++)
        for (int y = 0; y < VIEW_H; y++) {
            // Dark borders and random dim patches in a lit middle, as a real map has.
            int edge = std::min(std::min(x, 639 - x), std::min(y, 479 - y));
            border_darkness[x * VIEW_H + y] =
                edge < 60 ? -(game_random() % 256)
                          : (game_random() % 9 == 0 ? -(game_random() % 40) : 0);
        }
    index_border_darkness();
    const struct {
        float health;
        int flash;
    } cases[] = {{100, 0}, {100, 100}, {50, 40}, {0, 100}, {73, 40}};
    for (const auto &c : cases) {
        view_scale = c.health / 100;
        hurt_flash = c.flash;
        composite_view();
        float sx[VIEW_W] = {320 - 320 * view_scale}, sy[VIEW_H] = {240 - 240 * view_scale};
        for (int i = 1; i < VIEW_W; i++)
            sx[i] = sx[i - 1] + view_scale;
        for (int i = 1; i < VIEW_H; i++)
            sy[i] = sy[i - 1] + view_scale;
        auto wrong = [&](int x, int y, Uint32 p) { return p != reference_pixel(sx, sy, x, y); };
        EXPECT_EQ(count_pixels(display_surface, wrong), 0)
            << "health " << c.health << " flash " << c.flash;
    }
}

TEST_P(CompositeView,
       ZoomSamplesAboutTheCentreWhateverTheScaleAndDarknessAndTintMoveTheChannelsByTheTable)
{
    for (float scale : {-1.0f, 1e30f, -1e30f, __builtin_nanf("")}) {
        view_scale = scale;
        composite_view();  // the sanitizers catch any read outside the view
    }
    view_scale = 3.0f;
    composite_view();
    EXPECT_EQ((std::vector<Uint32>{shown(0, 0), shown(639, 479)}),
              (std::vector<Uint32>{viewed(0, 0), viewed(639, 479)}));

    // Channels as the format's bits hold them. The other values are exact in
    // 5-6-5 too; pure red is stored there as 248, and 248 - 255 + 100 = 93 as 88.
    // The last row's tint is at most the darkness.
    view_scale = 1.0f;
    const struct {
        int x, r, g, b, darkness, flash, want_r, want_g, want_b, red_at_16;
    } pixels[] = {{10, 255, 0, 0, -255, 100, 100, 0, 0, 88},
                  {20, 128, 128, 128, -100, 100, 128, 0, 0, 128},
                  {30, 200, 160, 120, -20, 40, 200, 120, 80, 200}};
    const SDL_PixelFormat *f = display_surface->format;
    for (const auto &p : pixels) {
        write_pixel(view_surface, p.x, p.x, SDL_MapRGB(f, (Uint8)p.r, (Uint8)p.g, (Uint8)p.b));
        border_darkness[p.x * VIEW_H + p.x] = p.darkness;
        index_border_darkness();
        hurt_flash = p.flash;
        composite_view();
        Uint32 c = shown(p.x, p.x);
        EXPECT_EQ((std::vector<Uint32>{(c & f->Rmask) >> f->Rshift << f->Rloss,
                                       (c & f->Gmask) >> f->Gshift << f->Gloss,
                                       (c & f->Bmask) >> f->Bshift << f->Bloss}),
                  (std::vector<Uint32>{(Uint32)(GetParam() == 16 ? p.red_at_16 : p.want_r),
                                       (Uint32)p.want_g, (Uint32)p.want_b}));
    }
}

// Rows padded past 640 pixels, on the display and the view, are addressed by
// their pitch; the columns beyond 640 are left untouched.
TEST_P(CompositeView, PaddedRowsAreAddressedByTheirPitch)
{
    SDL_Surface *display = display_surface, *view = view_surface;
    display_surface = SDL_CreateRGBSurface(SDL_SWSURFACE, 700, 480, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    view_surface = SDL_CreateRGBSurface(SDL_SWSURFACE, 660, 480, 32, 0xFF0000, 0xFF00, 0xFF, 0);
    SDL_BlitSurface(view, nullptr, view_surface, nullptr);
    view_scale = 1.0f;
    composite_view();
    EXPECT_EQ((std::vector<Uint32>{shown(5, 7), shown(639, 479), shown(640, 3)}),
              (std::vector<Uint32>{viewed(5, 7), viewed(639, 479), 0}));
    SDL_FreeSurface(display_surface);
    SDL_FreeSurface(view_surface);
    display_surface = display;
    view_surface = view;
}

INSTANTIATE_AT_BOTH_DEPTHS(CompositeView);
