// tiles_test.cpp -- the tile sheet: opaque floors, walls exactly where the game's collision is
#include <lodepng.h>

#include "game/world_fixture.h"
#include "maps/map_file.h"

const Uint32 KEY = 0x00FFFF;  // cyan, as 0xRRGGBB

// Pixel i of a cell of the 8-bit RGBA sheet, row by row, as 0xRRGGBB: the
// cells are 100 by 100, four to a row.
static Uint32 cell_pixel(const std::vector<unsigned char> &sheet, int cell, int i)
{
    const unsigned char *q =
        &sheet[((size_t)(100 * (cell / 4) + i / 100) * 400 + 100 * (cell % 4) + i % 100) * 4];
    return (Uint32)q[0] << 16 | (Uint32)q[1] << 8 | q[2];
}

// Whether pixel i of a cell lies in one of the walls of a lone tile at (3, 4).
static bool inside(const std::vector<Rect> &walls, int i)
{
    float x = 300 + i % 100, y = 400 + i / 100;
    return std::any_of(walls.begin(), walls.end(), [&](const Rect &r) {
        return x >= r[0] && x < r[0] + r[2] && y >= r[1] && y < r[1] + r[3];
    });
}

using GeneratedTiles = CleanWorld;

// Floors are opaque. Each wall kind is one of the floors outside its
// collision rectangles and wall inside them; its overlay is the same wall
// there and cyan elsewhere, so the player sees exactly what stops them.
// Cells 34 to 47 belong to no kind.
TEST_F(GeneratedTiles, OpaqueFloorsAndWallsAndOverlaysExactlyOnTheGamesCollisionRectangles)
{
    std::vector<unsigned char> sheet;
    unsigned w = 0, h = 0;
    ASSERT_EQ(lodepng::decode(sheet, w, h, std::string(MEDIA_DIR) + "/Game/maptiles.png"), 0u);
    ASSERT_TRUE(w == 400 && h == 1200);
    for (int i = 0; i < 48 * 10000; i++)  // floors 0 to 9 opaque, cells 34 to 47 keyed
        ASSERT_TRUE(i / 10000 < 10
                        ? cell_pixel(sheet, i / 10000, i % 10000) != KEY
                        : i / 10000 < 34 || cell_pixel(sheet, i / 10000, i % 10000) == KEY)
            << i / 10000;
    for (int kind = FIRST_WALL_KIND; kind <= TILE_DOOR_TOP; kind++) {
        std::vector<Rect> solid = prepared_walls({{3, 4, kind}});
        ASSERT_FALSE(solid.empty()) << kind;
        int floor = -1;
        for (int f = 0; f < 10 && floor < 0; f++) {
            int differences = 0;
            for (int i = 0; i < 10000; i++)
                differences +=
                    !inside(solid, i) && cell_pixel(sheet, kind, i) != cell_pixel(sheet, f, i);
            floor = differences ? -1 : f;
        }
        ASSERT_GE(floor, 0) << "wall kind " << kind << " draws outside its collision rectangles";
        for (int i = 0; i < 10000; i++) {
            Uint32 wall = cell_pixel(sheet, kind, i),
                   top = cell_pixel(sheet, kind + WALL_OVERLAY_OFFSET, i);
            bool solid_here = inside(solid, i), wall_shown = wall != cell_pixel(sheet, floor, i);
            EXPECT_TRUE(solid_here ? wall_shown && top == wall && top != KEY : top == KEY)
                << kind << (solid_here ? " wall at " : " overlay covers ") << i % 100 << ","
                << i / 100;
        }
    }
    std::vector<Rect> door = prepared_walls({{3, 4, TILE_DOOR_LEFT}});  // open from 5 to 95
    EXPECT_TRUE(inside(door, 409) && !inside(door, 509) && !inside(door, 9409));
}
