// sprite_tables_test.cpp -- the rotated facings
#include "support.h"

using RotatedFrames = DisplayTest;

// Every pixel of the source has its own raw value, none of them the key.
static Uint32 source_value(int u, int v)
{
    return 4096u + (Uint32)(u + 36 * v);
}

// Frame k turns the sprite by (k + 1) pi/32 at 35/36 scale. Where the closed
// form lies clearly inside a source pixel, the float-stepped rotation must
// pick exactly that pixel, and the key outside the sprite: frame 63 never
// shows source column 0 or row 35, frame 15 is a quarter turn, 31 a half.
TEST_P(RotatedFrames, EveryFacingSamplesTheTurnedAndScaledSpriteAndABadSourceNone)
{
    SDL_Surface *source = display_like_surface(36, 108), *sheet = display_like_surface(2304, 108);
    for (int v = 0; v < 108; v++)
        for (int u = 0; u < 36; u++)
            write_pixel(source, u, v, source_value(u, v));
    build_rotated_frames(source, sheet);
    Uint32 key = key_color(sheet);
    int checked = 0;
    for (int row_y : {0, 36, 72})
        for (int k = 0; k < 64; k++)
            for (int rho = 0; rho < 36; rho++)
                for (int c = 0; c < 36; c++) {
                    double a = (k + 1) * M_PI / 32;
                    double x = 18 + 35.0 / 36 * ((c - 17) * cos(a) - (rho - 18) * sin(a));
                    double y = row_y + 18 + 35.0 / 36 * ((c - 17) * sin(a) + (rho - 18) * cos(a));
                    if (fabs(x - round(x)) < 0.01 || fabs(y - round(y)) < 0.01)
                        continue;
                    bool inside = x > 0 && x < 36 && y > row_y && y < row_y + 36;
                    ASSERT_EQ(read_pixel(sheet, 36 * k + c, row_y + rho),
                              inside ? source_value((int)x, (int)y) : key)
                        << "frame " << k << " row " << row_y << " at " << c << "," << rho;
                    checked++;
                }
    EXPECT_GT(checked, 3 * 64 * 36 * 30);
    // The top row of the quarter turn reads the right column.
    EXPECT_EQ(read_pixel(sheet, 36 * 15 + 1, 0), source_value(35, 2));
    EXPECT_EQ(read_pixel(sheet, 36 * 31 + 1, 1), source_value(33, 34));
    SDL_FreeSurface(source);
    source = display_like_surface(36, 100);  // too small: as good as missing
    for (SDL_Surface *bad : {(SDL_Surface *)nullptr, source}) {
        SDL_FillRect(sheet, nullptr, 0);
        build_rotated_frames(bad, sheet);
        EXPECT_EQ(differing_pixels(sheet, nullptr, key), 0);
    }
    SDL_FreeSurface(source);
    SDL_FreeSurface(sheet);
}

INSTANTIATE_AT_BOTH_DEPTHS(RotatedFrames);
