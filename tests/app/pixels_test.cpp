// pixels_test.cpp -- raw copies between surfaces of one layout, clipped to both
#include "app/pixels.h"
#include "support.h"

// Each row: the source rectangle and where it goes on a 6 by 5 target; the
// copy must land only where both surfaces have pixels, source x + 10 y.
TEST(CopyPixels, RectanglesAreClippedToTheSourceAndTheDestination)
{
    const int cases[][6] = {{0, 0, 4, 4, 1, 1},   {2, 1, 4, 4, -3, -2}, {0, 0, 8, 8, 4, 3},
                            {-2, -1, 4, 3, 0, 0}, {0, 0, 3, 3, 7, 0},   {1, 1, 0, 2, 0, 0}};
    SDL_Surface *from = SDL_CreateRGBSurface(SDL_SWSURFACE, 7, 6, 16, 0xF800, 0x07E0, 0x1F, 0);
    SDL_Surface *to = SDL_CreateRGBSurface(SDL_SWSURFACE, 6, 5, 16, 0xF800, 0x07E0, 0x1F, 0);
    for (int y = 0; y < 6; y++)
        for (int x = 0; x < 7; x++)
            write_surface_pixel(from, x, y, (Uint32)(x + 10 * y + 1));
    for (const auto &c : cases) {
        SDL_FillRect(to, nullptr, 0);
        SDL_Rect r = {(Sint16)c[0], (Sint16)c[1], (Uint16)c[2], (Uint16)c[3]};
        copy_pixels(from, r, to, c[4], c[5]);
        for (int y = 0; y < 5; y++)
            for (int x = 0; x < 6; x++) {
                int sx = x - c[4] + c[0], sy = y - c[5] + c[1];
                bool inside = sx >= std::max(c[0], 0) && sx < std::min(c[0] + c[2], 7) &&
                              sy >= std::max(c[1], 0) && sy < std::min(c[1] + c[3], 6);
                EXPECT_EQ(read_surface_pixel(to, x, y), inside ? (Uint32)(sx + 10 * sy + 1) : 0u)
                    << c[0] << "," << c[1] << " at " << x << "," << y;
            }
    }
    SDL_FreeSurface(from);
    SDL_FreeSurface(to);
}
