// backdrop_test.cpp -- the overlay's fade and blur
#include "app/backdrop.h"
#include "support.h"
#include "ui/overlay.h"

const int W = 640, H = 480;

// The backdrop surfaces come from the overlay's start-up; closed at level 0.
class BlurTest : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        init_overlay();
    }
};
INSTANTIATE_AT_BOTH_DEPTHS(BlurTest);

// The blur written out plainly, row-major, into a surface: the capture keeps
// the bits the format holds; two wide iterations (reach 3, the second pass
// rounding to nearest), two narrow ones (reach 1, rounding down), then +50.
static SDL_Surface *reference_blur(SDL_Surface *picture)
{
    const SDL_PixelFormat *f = picture->format;
    std::vector<int> a(W * H * 3), b;
    for (int i = 0; i < W * H; i++) {
        Uint8 c[3];
        pixel_rgb(picture, i % W, i / W, &c[0], &c[1], &c[2]);
        const Uint8 losses[3] = {f->Rloss, f->Gloss, f->Bloss};
        for (int k = 0; k < 3; k++)
            a[i * 3 + k] = c[k] >> losses[k] << losses[k];
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
    for (int reach : {3, 3, 1, 1}) {
        pass(a, b, reach, 0);
        pass(b, a, reach, reach == 3 ? 1 : 0);
    }
    SDL_Surface *blurred = display_like_surface(W, H);
    for (int &v : a)
        v = std::min(v + 50, 255);
    for (int i = 0; i < W * H; i++)
        write_pixel(blurred, i % W, i / W, display_rgb(a[i * 3], a[i * 3 + 1], a[i * 3 + 2]));
    return blurred;
}

// A copy of the display's format with 16 bytes of padding after every row,
// so only the general paths can read and write it.
static SDL_Surface *padded_copy(SDL_Surface *source, std::vector<Uint8> &memory)
{
    const SDL_PixelFormat *f = source->format;
    int pitch = W * f->BytesPerPixel + 16;
    memory.assign((size_t)pitch * H, 0xEE);
    SDL_Surface *copy = SDL_CreateRGBSurfaceFrom(memory.data(), W, H, f->BitsPerPixel, pitch,
                                                 f->Rmask, f->Gmask, f->Bmask, f->Amask);
    SDL_BlitSurface(source, nullptr, copy, nullptr);
    return copy;
}

TEST_P(BlurTest, BlurMatchesAPlainReferenceOnFastAndGeneralPathsAndTheLevelIsNeverNotANumber)
{
    srand(4242);
    for (int i = 0; i < W * H; i++)
        write_pixel(display_surface, i % W, i / W,
                    display_rgb(rand() % 256, rand() % 256, rand() % 256));
    SDL_Surface *expected = reference_blur(display_surface);
    blur_backdrop();
    EXPECT_EQ(differing_pixels(backdrop_image, expected), 0);
    std::vector<Uint8> display_memory, image_memory;
    SDL_Surface *real_display = display_surface, *real_image = backdrop_image;
    display_surface = padded_copy(real_display, display_memory);
    backdrop_image = padded_copy(real_display, image_memory);  // anything but the blur
    blur_backdrop();
    EXPECT_EQ(differing_pixels(backdrop_image, expected), 0);
    EXPECT_EQ(image_memory[W * real_image->format->BytesPerPixel], 0xEE);  // padding untouched
    SDL_FreeSurface(display_surface);
    SDL_FreeSurface(backdrop_image);
    SDL_FreeSurface(expected);
    display_surface = real_display;
    backdrop_image = real_image;
    overlay_level = NAN;  // never stuck on a level that is not a number
    update_overlay_backdrop(0.5f);
    EXPECT_EQ(overlay_level, 0.0f);
}
