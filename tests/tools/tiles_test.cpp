// tiles_test.cpp -- the tile sheet: seamless floors, walls exactly where the game's collision is
#include <SDL.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "game/world.h"
#include "maps/map_file.h"
#include "maps/map_prepare.h"
#include "media_files.h"

static Rgba cell_pixel(const MediaPicture &sheet, int cell, int x, int y)
{
    return pixel_of(sheet, 100 * (cell % 4) + x, 100 * (cell / 4) + y);
}

// The solid rectangles the game builds for a lone tile of `kind`, relative to that tile.
static std::vector<SDL_Rect> collision_of(int kind)
{
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++)
            map_tiles[x][y] = 0;
    map_tiles[3][4] = kind;
    clear_wall_rects();
    prepare_map();
    std::vector<SDL_Rect> rects;
    for (int i = 0; i < wall_rect_count; i++) {
        const WallRect &w = *wall_rects[i];
        rects.push_back({(Sint16)(w.x - 300), (Sint16)(w.y - 400), (Uint16)w.w, (Uint16)w.h});
    }
    clear_wall_rects();
    return rects;
}

static bool inside(const std::vector<SDL_Rect> &rects, int x, int y)
{
    for (const SDL_Rect &r : rects)
        if (x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h)
            return true;
    return false;
}

// Difference across the line between columns x and x + 1 (mod 100), or rows when `rows`.
static int line_difference(const MediaPicture &sheet, int cell, int at, bool rows)
{
    int sum = 0;
    for (int i = 0; i < 100; i++)
        sum += rows ? colour_distance(cell_pixel(sheet, cell, i, at), cell_pixel(sheet, cell, i, (at + 1) % 100))
                    : colour_distance(cell_pixel(sheet, cell, at, i), cell_pixel(sheet, cell, (at + 1) % 100, i));
    return sum;
}

struct FloorLook {
    float r, g, b;      // mean colour
    float contrast;     // standard deviation of the luminance
};

TEST(GeneratedTiles, TenOpaqueDistinctFloorsThatTileSeamlessly)
{
    MediaPicture sheet = read_media_picture("Game/maptiles.png");
    ASSERT_EQ(sheet.h, 1200u);
    FloorLook looks[10];
    for (int k = 0; k < 10; k++) {
        // The wrap from the last column (row) to the first is no harder than the
        // hardest line inside the tile: repeated tiles show no seam.
        for (bool rows : {false, true}) {
            int hardest = 0;
            for (int at = 0; at < 99; at++)
                hardest = std::max(hardest, line_difference(sheet, k, at, rows));
            EXPECT_LE(line_difference(sheet, k, 99, rows), hardest) << "floor " << k << (rows ? " rows" : " columns");
        }
        double r = 0, g = 0, b = 0, l = 0, l2 = 0;
        for (int y = 0; y < 100; y++)
            for (int x = 0; x < 100; x++) {
                Rgba c = cell_pixel(sheet, k, x, y);
                ASSERT_FALSE(is_key(c)) << "floor " << k << " at " << x << "," << y;
                r += c.r;
                g += c.g;
                b += c.b;
                l += luminance(c);
                l2 += luminance(c) * luminance(c);
            }
        looks[k] = {(float)r / 1e4f, (float)g / 1e4f, (float)b / 1e4f,
                    (float)std::sqrt(l2 / 1e4 - (l / 1e4) * (l / 1e4))};
    }
    // Clearly distinct: in colour, or at least in how much the pattern varies.
    for (int a = 0; a < 10; a++)
        for (int b = a + 1; b < 10; b++) {
            float colour = std::fabs(looks[a].r - looks[b].r) + std::fabs(looks[a].g - looks[b].g) +
                           std::fabs(looks[a].b - looks[b].b);
            float contrast = std::fabs(looks[a].contrast - looks[b].contrast);
            EXPECT_TRUE(colour > 20 || contrast > 6) << "floors " << a << " and " << b << " look alike";
        }
}

TEST(GeneratedTiles, WallsAndOverlaysCoverExactlyTheGamesCollisionRectangles)
{
    MediaPicture sheet = read_media_picture("Game/maptiles.png");
    ASSERT_EQ(sheet.h, 1200u);
    for (int kind = 10; kind <= 21; kind++) {
        std::vector<SDL_Rect> solid = collision_of(kind);
        ASSERT_FALSE(solid.empty()) << kind;
        // The wall stands on one of the floors: everything outside the wall is that floor.
        int floor = -1;
        for (int f = 0; f < 10 && floor < 0; f++) {
            bool same = true;
            for (int y = 0; y < 100 && same; y++)
                for (int x = 0; x < 100 && same; x++)
                    if (!inside(solid, x, y))
                        same = colour_distance(cell_pixel(sheet, kind, x, y), cell_pixel(sheet, f, x, y)) == 0;
            if (same)
                floor = f;
        }
        EXPECT_GE(floor, 0) << "wall kind " << kind << " draws outside its collision rectangles";
        int overlay = kind + WALL_OVERLAY_OFFSET;
        for (int y = 0; y < 100; y++)
            for (int x = 0; x < 100; x++) {
                Rgba wall = cell_pixel(sheet, kind, x, y), top = cell_pixel(sheet, overlay, x, y);
                EXPECT_FALSE(is_key(wall)) << kind << " at " << x << "," << y;
                if (inside(solid, x, y)) {
                    // The body is the wall itself, not floor, and its overlay is the same picture.
                    if (floor >= 0) {
                        EXPECT_GT(colour_distance(wall, cell_pixel(sheet, floor, x, y)), 0) << kind << " " << x << "," << y;
                    }
                    EXPECT_EQ(colour_distance(top, wall), 0) << overlay << " at " << x << "," << y;
                    EXPECT_FALSE(is_key(top)) << overlay << " at " << x << "," << y;
                } else {
                    EXPECT_TRUE(is_key(top)) << overlay << " covers " << x << "," << y;
                }
            }
    }
    // A doorway's middle is open floor in the picture as in the game: from 5 to 95.
    std::vector<SDL_Rect> door = collision_of(TILE_DOOR_LEFT);
    EXPECT_FALSE(inside(door, 9, 5));
    EXPECT_FALSE(inside(door, 9, 94));
    EXPECT_TRUE(inside(door, 9, 4));
    EXPECT_TRUE(is_key(cell_pixel(sheet, TILE_DOOR_LEFT + WALL_OVERLAY_OFFSET, 9, 50)));
    // Cells 34 to 47 belong to no kind.
    for (int cell = 34; cell < 48; cell++)
        for (int y = 0; y < 100; y++)
            for (int x = 0; x < 100; x++)
                ASSERT_TRUE(is_key(cell_pixel(sheet, cell, x, y))) << cell << " at " << x << "," << y;
}
