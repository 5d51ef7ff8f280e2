// backdrop_test.cpp -- the overlay's Escape toggle, fade, snapshot and blur
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/backdrop.h"
#include "app/display.h"
#include "app/input.h"
#include "app/main_loop.h"
#include "support.h"
#include "ui/overlay.h"

const int W = 640, H = 480;

class BackdropTest : public DisplayTest {
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        backdrop_snapshot = SDL_DisplayFormat(display_surface);
        backdrop_image = SDL_DisplayFormat(display_surface);
        overlay_open = false;
        overlay_level = 0.0f;
        memset(key_state, 0, sizeof key_state);
    }
    void TearDown() override
    {
        SDL_FreeSurface(backdrop_snapshot);
        SDL_FreeSurface(backdrop_image);
        backdrop_snapshot = backdrop_image = nullptr;
        DisplayTest::TearDown();
    }
    Uint32 rgb(int r, int g, int b) { return SDL_MapRGB(display_surface->format, r, g, b); }
    void fill(SDL_Surface *surface, Uint32 value) { SDL_FillRect(surface, nullptr, value); }
    // One frame of the backdrop step, Escape pressed or not.
    void frame(bool escape)
    {
        key_state[SDLK_ESCAPE] = escape ? KEY_PRESSED : KEY_HELD;
        update_overlay_backdrop(1.0f);
    }
    // Compares every pixel with another surface, or with one value when other is null.
    void expect_pixels(SDL_Surface *surface, SDL_Surface *other, Uint32 value = 0)
    {
        int differences = 0;
        for (int y = 0; y < H; y++)
            for (int x = 0; x < W; x++) {
                Uint32 want = other ? read_pixel(other, x, y) : value;
                if (read_pixel(surface, x, y) != want && differences++ < 5)
                    ADD_FAILURE() << "pixel " << x << "," << y;
            }
        EXPECT_EQ(differences, 0);
    }
};

TEST(BackdropFade, SnapshotAlphaIsTruncatedFromTheLevel)
{
    EXPECT_EQ(backdrop_fade_alpha(5.0f), 242);
    EXPECT_EQ(backdrop_fade_alpha(50.0f), 127);
    EXPECT_EQ(backdrop_fade_alpha(95.0f), 12);
    EXPECT_EQ(backdrop_fade_alpha(100.0f), 0);
}

TEST_P(BackdropTest, EscapeOpensInTwentyFramesAndASecondEscapeReversesAtOnce)
{
    frame(true);
    EXPECT_TRUE(overlay_open);
    EXPECT_EQ(overlay_level, 5.0f);
    for (int i = 2; i <= 22; i++) {
        frame(false);
        EXPECT_EQ(overlay_level, i <= 20 ? 5.0f * i : 100.0f);
    }
    overlay_level = 0.0f;
    overlay_open = false;
    frame(true);
    frame(false);
    frame(true);  // closes during the fade-in: falls in the same frame
    EXPECT_FALSE(overlay_open);
    EXPECT_EQ(overlay_level, 5.0f);
    frame(false);
    EXPECT_EQ(overlay_level, 0.0f);
    frame(false);
    EXPECT_EQ(overlay_level, 0.0f);

    overlay_open = true;
    update_overlay_backdrop(0.5f);
    EXPECT_EQ(overlay_level, 2.5f);
    overlay_level = NAN;
    update_overlay_backdrop(1.0f);
    EXPECT_EQ(overlay_level, 0.0f);
}

TEST_P(BackdropTest, ReopeningDuringTheFadeOutKeepsTheFirstSnapshot)
{
    fill(display_surface, rgb(255, 0, 0));
    frame(true);
    Uint32 first_blur = read_pixel(backdrop_image, 320, 240);
    EXPECT_EQ(read_pixel(backdrop_snapshot, 320, 240), rgb(255, 0, 0));
    for (int i = 0; i < 5; i++)
        frame(false);
    frame(true);  // close
    frame(false);
    ASSERT_GT(overlay_level, 0.0f);
    fill(display_surface, rgb(0, 0, 255));
    frame(true);  // reopen before the level is back at 0
    EXPECT_TRUE(overlay_open);
    EXPECT_EQ(read_pixel(backdrop_snapshot, 320, 240), rgb(255, 0, 0));
    EXPECT_EQ(read_pixel(backdrop_image, 320, 240), first_blur);

    frame(true);
    while (overlay_level != 0.0f)
        frame(false);
    fill(display_surface, rgb(0, 0, 255));
    frame(true);  // from fully closed: a fresh snapshot
    EXPECT_EQ(read_pixel(backdrop_snapshot, 320, 240), rgb(0, 0, 255));
}

TEST_P(BackdropTest, TheFadeBlendsTheSnapshotOverTheBlurUntilFullyOpen)
{
    fill(backdrop_snapshot, rgb(255, 255, 255));
    fill(backdrop_image, rgb(0, 0, 128));
    fill(display_surface, rgb(0, 200, 0));
    frame(false);  // closed at level 0: nothing drawn
    expect_pixels(display_surface, nullptr, rgb(0, 200, 0));

    // At level 50 the snapshot is blitted with alpha 127 over the blur.
    SDL_Surface *expected = SDL_DisplayFormat(backdrop_image);
    SDL_SetAlpha(backdrop_snapshot, SDL_SRCALPHA, 127);
    SDL_BlitSurface(backdrop_snapshot, nullptr, expected, nullptr);
    SDL_SetAlpha(backdrop_snapshot, SDL_SRCALPHA, 255);
    ASSERT_NE(read_pixel(expected, 0, 0), rgb(0, 0, 128));
    ASSERT_NE(read_pixel(expected, 0, 0), rgb(255, 255, 255));
    overlay_level = 50.0f;
    frame(false);
    expect_pixels(display_surface, expected);
    EXPECT_EQ(overlay_level, 45.0f);
    EXPECT_EQ(backdrop_snapshot->format->alpha, 255);  // restored for the next opening
    EXPECT_TRUE(backdrop_snapshot->flags & SDL_SRCALPHA);
    SDL_FreeSurface(expected);

    overlay_open = true;
    overlay_level = 100.0f;
    fill(display_surface, rgb(0, 200, 0));
    frame(false);
    expect_pixels(display_surface, nullptr, rgb(0, 0, 128));
    EXPECT_EQ(overlay_level, 100.0f);
}

// The blur written out plainly: row-major channels, each pass over fresh
// copies, and the capture keeping only the bits the format holds.
static std::vector<int> reference_blur(SDL_Surface *picture)
{
    const SDL_PixelFormat *f = picture->format;
    std::vector<int> a(W * H * 3), b;
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++) {
            Uint8 c[3];
            pixel_rgb(picture, x, y, &c[0], &c[1], &c[2]);
            a[(y * W + x) * 3 + 0] = c[0] & (0xFF << f->Rloss) & 0xFF;
            a[(y * W + x) * 3 + 1] = c[1] & (0xFF << f->Gloss) & 0xFF;
            a[(y * W + x) * 3 + 2] = c[2] & (0xFF << f->Bloss) & 0xFF;
        }
    b = a;
    auto pass = [](const std::vector<int> &from, std::vector<int> &to, int d, int add) {
        for (int y = d; y < H - d; y++)
            for (int x = d; x < W - d; x++)
                for (int c = 0; c < 3; c++) {
                    auto at = [&](int px, int py) { return from[(py * W + px) * 3 + c]; };
                    to[(y * W + x) * 3 + c] =
                        (at(x - d, y) + at(x + d, y) + at(x, y - d) + at(x, y + d) + add) / 4;
                }
    };
    for (int i = 0; i < 2; i++) {
        pass(a, b, 3, 0);
        pass(b, a, 3, 1);
    }
    for (int i = 0; i < 2; i++) {
        pass(a, b, 1, 0);
        pass(b, a, 1, 0);
    }
    for (int &v : a)
        v = v + 50 > 255 ? 255 : v + 50;
    return a;
}

// A surface of the display's format whose rows carry 16 bytes of padding,
// so only the general paths can read and write it.
static SDL_Surface *padded_copy(SDL_Surface *source, std::vector<Uint8> &memory)
{
    const SDL_PixelFormat *f = source->format;
    int pitch = W * f->BytesPerPixel + 16;
    memory.assign((size_t)pitch * H, 0xEE);
    SDL_Surface *copy = SDL_CreateRGBSurfaceFrom(memory.data(), W, H, f->BitsPerPixel, pitch,
                                                 f->Rmask, f->Gmask, f->Bmask, f->Amask);
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++)
            write_pixel(copy, x, y, read_pixel(source, x, y));
    return copy;
}

TEST_P(BackdropTest, BlurMatchesAPlainReferenceOnFastAndGeneralPaths)
{
    srand(4242);
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++)
            write_pixel(display_surface, x, y, rgb(rand() % 256, rand() % 256, rand() % 256));
    std::vector<int> expected = reference_blur(display_surface);
    blur_backdrop();
    SDL_Surface *reference = SDL_DisplayFormat(display_surface);
    for (int y = 0; y < H; y++)
        for (int x = 0; x < W; x++) {
            const int *c = &expected[(y * W + x) * 3];
            write_pixel(reference, x, y, rgb(c[0], c[1], c[2]));
        }
    expect_pixels(backdrop_image, reference);
    SDL_FreeSurface(reference);

    // The same picture in padded rows goes through the general paths.
    std::vector<Uint8> display_memory, image_memory;
    SDL_Surface *real_display = display_surface;
    SDL_Surface *real_image = backdrop_image;
    display_surface = padded_copy(real_display, display_memory);
    backdrop_image = padded_copy(real_image, image_memory);
    SDL_FillRect(backdrop_image, nullptr, 0);
    blur_backdrop();
    expect_pixels(backdrop_image, real_image);
    EXPECT_EQ(image_memory[W * real_image->format->BytesPerPixel], 0xEE);  // padding untouched
    SDL_FreeSurface(display_surface);
    SDL_FreeSurface(backdrop_image);
    display_surface = real_display;
    backdrop_image = real_image;
}

TEST_P(BackdropTest, PlainPicturesKeepTheirColourAndGainFifty)
{
    // Channels the 5-6-5 format holds exactly, so both depths capture the same.
    fill(display_surface, rgb(96, 180, 24));
    blur_backdrop();
    expect_pixels(backdrop_image, nullptr, rgb(146, 230, 74));

    fill(display_surface, rgb(255, 255, 255));
    blur_backdrop();
    expect_pixels(backdrop_image, nullptr, rgb(255, 255, 255));

    fill(display_surface, rgb(0, 0, 0));
    blur_backdrop();
    expect_pixels(backdrop_image, nullptr, rgb(50, 50, 50));  // the one-pixel border included
}

INSTANTIATE_AT_BOTH_DEPTHS(BackdropTest);

// Through the frame loop: Escape opens, the display shows only the backdrop
// until the level is back at 0, and the frame after that leaves it alone.
class OverlayFrameLoop : public BackdropTest {
protected:
    void SetUp() override
    {
        BackdropTest::SetUp();
        screen_number = -1;  // no screen draws, so only the overlay touches the display
        quit_requested = false;
        dashboard_image = nullptr;
        mouse_button_state[SDL_BUTTON_LEFT] = KEY_UP;
    }
    void TearDown() override
    {
        screen_number = SCREEN_MAIN_MENU;
        BackdropTest::TearDown();
    }
    static void push_escape(Uint8 type)
    {
        SDL_Event event = {};
        event.type = type;
        event.key.keysym.sym = SDLK_ESCAPE;
        ASSERT_EQ(SDL_PushEvent(&event), 0);
    }
};

TEST_P(OverlayFrameLoop, TheDisplayStaysFrozenUntilTheLevelIsZeroAgain)
{
    fill(display_surface, rgb(0, 0, 0));
    push_escape(SDL_KEYDOWN);
    run_frame();
    EXPECT_EQ(overlay_level, 5.0f);
    push_escape(SDL_KEYUP);
    for (int i = 0; i < 20; i++) {
        fill(display_surface, rgb(255, 0, 0));  // whatever lands on the display is covered
        run_frame();
    }
    EXPECT_EQ(overlay_level, 100.0f);  // and this last frame drew the blur alone
    expect_pixels(display_surface, nullptr, rgb(50, 50, 50));

    push_escape(SDL_KEYDOWN);
    int frames_closing = 0;
    do {
        run_frame();
        frames_closing++;
        if (frames_closing == 1)
            push_escape(SDL_KEYUP);
    } while (overlay_level != 0.0f && frames_closing < 100);
    EXPECT_EQ(frames_closing, 20);
    EXPECT_FALSE(overlay_open);
    fill(display_surface, rgb(255, 0, 0));
    run_frame();
    expect_pixels(display_surface, nullptr, rgb(255, 0, 0));
    EXPECT_FALSE(quit_requested);
}

INSTANTIATE_AT_BOTH_DEPTHS(OverlayFrameLoop);
