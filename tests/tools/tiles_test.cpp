// tiles_test.cpp -- the tile sheet: opaque seamless floors, walls exactly where the game's collision is
#include "game/world.h"
#include "maps/map_file.h"
#include "maps/map_prepare.h"
#include "media_files.h"

static Rgba cell_pixel(const MediaPicture &sheet, int cell, int x, int y)
{
    return sheet.at(100 * (cell % 4) + x, 100 * (cell / 4) + y);
}

// The solid rectangles the game builds for a lone tile of `kind`, relative to that tile.
static std::vector<SDL_Rect> collision_of(int kind)
{
    memset(map_tiles, 0, sizeof map_tiles);
    map_tiles[3][4] = kind;
    clear_wall_rects();
    prepare_map();
    std::vector<SDL_Rect> rects;
    for (int i = 0; i < wall_rect_count; i++)
        rects.push_back({(Sint16)(wall_rects[i]->x - 300), (Sint16)(wall_rects[i]->y - 400),
                         (Uint16)wall_rects[i]->w, (Uint16)wall_rects[i]->h});
    clear_wall_rects();
    return rects;
}

static bool inside(const std::vector<SDL_Rect> &rects, int x, int y)
{
    return std::any_of(rects.begin(), rects.end(),
                       [&](const SDL_Rect &r) { return x >= r.x && x < r.x + r.w && y >= r.y && y < r.y + r.h; });
}

// Difference across the line between columns (or rows) at and at + 1, mod 100.
static int line_difference(const MediaPicture &sheet, int cell, int at, bool rows)
{
    int sum = 0, next = (at + 1) % 100;
    for (int i = 0; i < 100; i++)
        sum += rows ? colour_distance(cell_pixel(sheet, cell, i, at), cell_pixel(sheet, cell, i, next))
                    : colour_distance(cell_pixel(sheet, cell, at, i), cell_pixel(sheet, cell, next, i));
    return sum;
}

// The wrap from a floor's last column (row) to its first is no harder than the
// hardest line inside it, so repeated tiles show no seam.
TEST(GeneratedTiles, FloorsTileSeamlessly)
{
    MediaPicture sheet = read_media_picture("Game/maptiles.png");
    ASSERT_EQ(sheet.h, 1200u);
    for (int k = 0; k < 10; k++)
        for (bool rows : {false, true}) {
            int hardest = 0;
            for (int at = 0; at < 99; at++)
                hardest = std::max(hardest, line_difference(sheet, k, at, rows));
            EXPECT_LE(line_difference(sheet, k, 99, rows), hardest) << "floor " << k << (rows ? " rows" : " columns");
        }
}

// Floors are opaque. Each wall kind is one of the floors outside its
// collision rectangles and wall inside them; its overlay is the same wall
// there and cyan elsewhere, so the player sees exactly what stops them.
// Cells 34 to 47 belong to no kind.
TEST(GeneratedTiles, OpaqueFloorsAndWallsAndOverlaysExactlyOnTheGamesCollisionRectangles)
{
    MediaPicture sheet = read_media_picture("Game/maptiles.png");
    ASSERT_EQ(sheet.h, 1200u);
    for (int i = 0; i < 10 * 10000; i++)
        ASSERT_FALSE(is_key(cell_pixel(sheet, i / 10000, i % 100, i / 100 % 100))) << "floor " << i / 10000;
    for (int kind = FIRST_WALL_KIND; kind <= TILE_DOOR_TOP; kind++) {
        std::vector<SDL_Rect> solid = collision_of(kind);
        ASSERT_FALSE(solid.empty()) << kind;
        int floor = -1;
        for (int f = 0; f < 10 && floor < 0; f++) {
            bool same = true;
            for (int i = 0; i < 10000 && same; i++)
                if (!inside(solid, i % 100, i / 100))
                    same = colour_distance(cell_pixel(sheet, kind, i % 100, i / 100), cell_pixel(sheet, f, i % 100, i / 100)) == 0;
            floor = same ? f : -1;
        }
        ASSERT_GE(floor, 0) << "wall kind " << kind << " draws outside its collision rectangles";
        for (int y = 0; y < 100; y++)
            for (int x = 0; x < 100; x++) {
                Rgba wall = cell_pixel(sheet, kind, x, y), top = cell_pixel(sheet, kind + WALL_OVERLAY_OFFSET, x, y);
                if (inside(solid, x, y))
                    EXPECT_TRUE(colour_distance(wall, cell_pixel(sheet, floor, x, y)) > 0 && !is_key(wall) &&
                                colour_distance(top, wall) == 0 && !is_key(top)) << kind << " at " << x << "," << y;
                else
                    EXPECT_TRUE(is_key(top)) << "overlay of " << kind << " covers " << x << "," << y;
            }
    }
    std::vector<SDL_Rect> door = collision_of(TILE_DOOR_LEFT);  // open from 5 to 95
    EXPECT_TRUE(inside(door, 9, 4) && !inside(door, 9, 5) && !inside(door, 9, 94));
    for (int cell = 34; cell < 48; cell++)
        for (int i = 0; i < 10000; i++)
            ASSERT_TRUE(is_key(cell_pixel(sheet, cell, i % 100, i / 100))) << cell << " at " << i % 100 << "," << i / 100;
}
