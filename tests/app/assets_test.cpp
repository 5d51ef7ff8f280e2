// assets_test.cpp -- sprite tables, the rotated facings and the border-darkness table
#include <cmath>

#include "app/assets.h"
#include "app/display.h"
#include "support.h"

TEST(SpriteTables, CellsOfEverySheet)
{
    fill_sprite_tables();
    EXPECT_EQ(tile_rects[5].x, 100);
    EXPECT_EQ(tile_rects[5].y, 100);
    EXPECT_EQ(tile_rects[47].x, 300);
    EXPECT_EQ(tile_rects[47].y, 1100);
    EXPECT_EQ(tile_rects[47].w, 100);
    // '!' is entry 0, 'O' (79) ends the first row, 'P' (80) starts the second.
    EXPECT_EQ(glyph_rects[0].x, 1);
    EXPECT_EQ(glyph_rects[0].y, 1);
    EXPECT_EQ(glyph_rects['O' - 33].x, 19 * 46 + 1);
    EXPECT_EQ(glyph_rects['P' - 33].x, 1);
    EXPECT_EQ(glyph_rects['P' - 33].y, 26);
    EXPECT_EQ(glyph_rects['~' - 33].x, 19 * 46 + 1);
    EXPECT_EQ(glyph_rects['~' - 33].w, 17);
    EXPECT_EQ(glyph_rects['~' - 33].h, 23);
    EXPECT_EQ(zombie_frames[63].x, 36 * 63);
    EXPECT_EQ(zombie_frames[63].y, 36);
    EXPECT_EQ(corpse_frames[1].y, 72);
    EXPECT_EQ(blood_frames[15].x, 46 * 15);
}

class RotatedFrames : public DisplayTest {
protected:
    SDL_Surface *source = nullptr;
    SDL_Surface *sheet = nullptr;
    void SetUp() override
    {
        DisplayTest::SetUp();
        const SDL_PixelFormat *f = display_surface->format;
        source = SDL_CreateRGBSurface(SDL_SWSURFACE, 36, 108, f->BitsPerPixel, f->Rmask,
                                      f->Gmask, f->Bmask, f->Amask);
        sheet = SDL_CreateRGBSurface(SDL_SWSURFACE, 2304, 108, f->BitsPerPixel, f->Rmask,
                                     f->Gmask, f->Bmask, f->Amask);
        // Every source pixel gets its own raw value, none of them the key.
        for (int v = 0; v < 108; v++)
            for (int u = 0; u < 36; u++)
                write_pixel(source, u, v, source_value(u, v));
    }
    void TearDown() override
    {
        SDL_FreeSurface(source);
        SDL_FreeSurface(sheet);
        DisplayTest::TearDown();
    }
    static Uint32 source_value(int u, int v) { return 4096u + (Uint32)(u + 36 * v); }
};

// Where the closed form lies clearly inside a source pixel, the float-stepped
// rotation must pick exactly that pixel (or the key outside the sprite).
TEST_P(RotatedFrames, EveryFacingSamplesTheTurnedAndScaledSprite)
{
    build_rotated_frames(source, sheet);
    Uint32 key = key_color(sheet);
    int checked = 0;
    for (int row_y : {0, 36, 72})
        for (int k = 0; k < 64; k++) {
            double a = (k + 1) * M_PI / 32;
            for (int rho = 0; rho < 36; rho++)
                for (int c = 0; c < 36; c++) {
                    double x = 18 + 35.0 / 36 * ((c - 17) * cos(a) - (rho - 18) * sin(a));
                    double y = row_y + 18 + 35.0 / 36 * ((c - 17) * sin(a) + (rho - 18) * cos(a));
                    if (fabs(x - round(x)) < 0.01 || fabs(y - round(y)) < 0.01)
                        continue;
                    bool inside = x > 0 && x < 36 && y > row_y && y < row_y + 36;
                    Uint32 expected = inside ? source_value((int)x, (int)y) : key;
                    ASSERT_EQ(read_pixel(sheet, 36 * k + c, row_y + rho), expected)
                        << "frame " << k << " row " << row_y << " at " << c << "," << rho;
                    checked++;
                }
        }
    EXPECT_GT(checked, 3 * 64 * 36 * 30);
}

TEST_P(RotatedFrames, FullTurnQuarterTurnAndHalfTurn)
{
    build_rotated_frames(source, sheet);
    // Frame 63: upright at 35/36 scale; source column 0 and row 35 never appear.
    for (int rho = 0; rho < 36; rho++)
        for (int c = 0; c < 36; c++) {
            Uint32 value = read_pixel(sheet, 36 * 63 + c, rho) - 4096u;
            EXPECT_NE(value % 36, 0u);
            EXPECT_NE(value / 36, 35u);
        }
    EXPECT_EQ(read_pixel(sheet, 36 * 63, 0), source_value(1, 0));
    EXPECT_EQ(read_pixel(sheet, 36 * 63 + 35, 35), source_value(35, 34));
    // Frame 15: the top row reads the source's right column from top to bottom.
    EXPECT_EQ(read_pixel(sheet, 36 * 15 + 1, 0), source_value(35, 2));
    EXPECT_EQ(read_pixel(sheet, 36 * 15 + 34, 0), source_value(35, 34));
    // Frame 31: upside down.
    EXPECT_EQ(read_pixel(sheet, 36 * 31 + 1, 1), source_value(33, 34));
    EXPECT_EQ(read_pixel(sheet, 36 * 31 + 34, 34), source_value(1, 2));
}

TEST_P(RotatedFrames, AMissingOrSmallSourceLeavesEveryFacingBlank)
{
    SDL_Surface *small = SDL_CreateRGBSurface(SDL_SWSURFACE, 36, 100, 32, 0, 0, 0, 0);
    for (SDL_Surface *bad : {(SDL_Surface *)nullptr, small}) {
        SDL_FillRect(sheet, nullptr, 0);
        build_rotated_frames(bad, sheet);
        for (int y = 0; y < 108; y += 7)
            for (int x = 0; x < 2304; x += 5)
                ASSERT_EQ(read_pixel(sheet, x, y), key_color(sheet));
    }
    SDL_FreeSurface(small);
}

INSTANTIATE_AT_BOTH_DEPTHS(RotatedFrames);

TEST(BorderDarkness, RedMinus255ColumnMajorAndLitWhereThePictureHasNoPixel)
{
    SDL_Surface *picture = SDL_CreateRGBSurface(SDL_SWSURFACE, 3, 2, 24, 0x0000FF, 0x00FF00,
                                                0xFF0000, 0);
    write_pixel(picture, 0, 0, 0xFFFFFF);  // white
    write_pixel(picture, 1, 0, 0x000000);  // black
    write_pixel(picture, 2, 1, 0x000080);  // red 128
    write_pixel(picture, 0, 1, 0xFFFF00);  // no red at all
    write_pixel(picture, 1, 1, 0x00FF40);  // red 64, other channels ignored
    write_pixel(picture, 2, 0, 0x0000FF);
    border_darkness[5 * 480 + 5] = -7;
    read_border_darkness(picture);
    EXPECT_EQ(border_darkness[0 * 480 + 0], 0);
    EXPECT_EQ(border_darkness[1 * 480 + 0], -255);
    EXPECT_EQ(border_darkness[2 * 480 + 1], -127);
    EXPECT_EQ(border_darkness[0 * 480 + 1], -255);
    EXPECT_EQ(border_darkness[1 * 480 + 1], -191);
    EXPECT_EQ(border_darkness[2 * 480 + 0], 0);
    EXPECT_EQ(border_darkness[5 * 480 + 5], 0);      // beyond the picture: lit
    EXPECT_EQ(border_darkness[639 * 480 + 479], 0);
    SDL_FreeSurface(picture);

    // The row-major index follows: row 0 is dark at x 1, lit elsewhere.
    EXPECT_EQ(darkness_rows[0 * 640 + 1], -255);
    EXPECT_EQ(darkness_rows[1 * 640 + 2], -127);
    ASSERT_EQ(darkness_row_first_run[1] - darkness_row_first_run[0], 3);
    const DarknessRun &dark = darkness_runs[darkness_row_first_run[0] + 1];
    EXPECT_FALSE(dark.lit);
    EXPECT_EQ(dark.start, 1);
    EXPECT_EQ(dark.end, 2);
    EXPECT_TRUE(darkness_runs[darkness_row_first_run[0] + 2].lit);
    EXPECT_EQ(darkness_runs[darkness_row_first_run[0] + 2].end, 640);
    EXPECT_EQ(darkness_row_first_run[480] - darkness_row_first_run[2], 478);  // one lit run a row

    border_darkness[10] = -9;
    read_border_darkness(nullptr);
    EXPECT_EQ(border_darkness[10], 0);
    EXPECT_EQ(darkness_rows[10 * 640], 0);
}

using AssetLoading = ScratchFolderTest;

TEST_F(AssetLoading, MissingArtworkLeavesSurfacesAbsentButTheGameStarts)
{
    ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0);
    display_surface = SDL_SetVideoMode(640, 480, 16, SDL_SWSURFACE);
    ASSERT_NE(display_surface, nullptr);
    load_assets();
    EXPECT_STREQ(game_name, "Rotwalk");
    EXPECT_FLOAT_EQ(version_number, 1.0f);
    EXPECT_EQ(font_image, nullptr);
    EXPECT_EQ(background_image, nullptr);
    ASSERT_NE(view_surface, nullptr);
    ASSERT_NE(world_surface, nullptr);
    EXPECT_EQ(world_surface->w, 5000);
    EXPECT_EQ(world_surface->format->BitsPerPixel, 16);
    ASSERT_NE(people_image, nullptr);
    EXPECT_EQ(read_pixel(people_image, 1000, 50), key_color(people_image));
    EXPECT_EQ(border_darkness[320 * 480 + 240], 0);
    release_assets();
    EXPECT_EQ(world_surface, nullptr);
    SDL_Quit();
}
