// map_prepare_test.cpp -- wall runs, doorways, the order of the wall list and its bound
#include <gtest/gtest.h>

#include <vector>

#include "game/world.h"
#include "maps/map_file.h"
#include "maps/map_prepare.h"

struct Rect {
    float x, y, w, h;
};

class PrepareMap : public ::testing::Test {
protected:
    void SetUp() override
    {
        clear_wall_rects();
        for (int x = 0; x < MAP_SIZE; x++)
            for (int y = 0; y < MAP_SIZE; y++)
                map_tiles[x][y] = (x + y) % FIRST_WALL_KIND;  // floors only
    }
    void TearDown() override { clear_wall_rects(); }

    // Prepares the grid and compares the whole list, in order.
    void expect_walls(const std::vector<Rect> &expected)
    {
        clear_wall_rects();
        prepare_map();
        ASSERT_EQ(wall_rect_count, (int)expected.size());
        for (int i = 0; i < wall_rect_count; i++) {
            EXPECT_EQ(wall_rects[i]->x, expected[i].x) << "wall " << i;
            EXPECT_EQ(wall_rects[i]->y, expected[i].y) << "wall " << i;
            EXPECT_EQ(wall_rects[i]->w, expected[i].w) << "wall " << i;
            EXPECT_EQ(wall_rects[i]->h, expected[i].h) << "wall " << i;
        }
    }
};

TEST_F(PrepareMap, VerticalRunsMergeAndDoorwaysCutGaps)
{
    expect_walls({});  // floors only

    map_tiles[3][7] = TILE_WALL_LEFT;
    expect_walls({{303, 700, 12, 100}});

    map_tiles[3][8] = TILE_WALL_LEFT;
    map_tiles[3][9] = TILE_WALL_LEFT;
    expect_walls({{303, 700, 12, 300}});

    map_tiles[3][8] = TILE_DOOR_LEFT;
    expect_walls({{303, 700, 12, 105}, {303, 895, 12, 105}});

    map_tiles[3][7] = 0;
    map_tiles[3][9] = 0;
    expect_walls({{303, 800, 12, 5}, {303, 895, 12, 5}});  // a lone doorway's two stubs

    // Two doorways in a row leave a piece of 10 between their gaps.
    map_tiles[3][8] = TILE_DOOR_RIGHT;
    map_tiles[3][9] = TILE_DOOR_RIGHT;
    expect_walls({{388, 800, 12, 5}, {388, 895, 12, 10}, {388, 995, 12, 5}});
}

TEST_F(PrepareMap, RunsEndAtTheWorldsEdgeAndOnlyJoinWithinOneEdgeSet)
{
    for (int y = 45; y < MAP_SIZE; y++)
        map_tiles[0][y] = TILE_WALL_LEFT;
    expect_walls({{3, 4500, 12, 500}});  // ends at 5000

    // 14 above 16: a left wall and a right wall, listed by their first row.
    PrepareMap::SetUp();
    map_tiles[5][0] = TILE_WALL_LEFT;
    map_tiles[5][1] = TILE_WALL_RIGHT;
    expect_walls({{503, 0, 12, 100}, {588, 100, 12, 100}});

    // 13 above 10: one left wall of 200, then the top of 13 and the bottom of 10.
    PrepareMap::SetUp();
    map_tiles[2][4] = TILE_WALL_LEFT_TOP;
    map_tiles[2][5] = TILE_WALL_LEFT_BOTTOM;
    expect_walls({{203, 400, 12, 200}, {200, 402, 100, 12}, {200, 587, 100, 12}});

    // A corner of kind 13 alone: left and top overlap in its top-left corner.
    PrepareMap::SetUp();
    map_tiles[6][6] = TILE_WALL_LEFT_TOP;
    expect_walls({{603, 600, 12, 100}, {600, 602, 100, 12}});

    // 15 and 17 side by side: a bottom wall and a top wall, not one.
    PrepareMap::SetUp();
    map_tiles[10][20] = TILE_WALL_BOTTOM;
    map_tiles[11][20] = TILE_WALL_TOP;
    expect_walls({{1000, 2087, 100, 12}, {1100, 2002, 100, 12}});

    // A horizontal run with a doorway, and a right-bottom corner joining it.
    PrepareMap::SetUp();
    map_tiles[47][49] = TILE_WALL_BOTTOM;
    map_tiles[48][49] = TILE_DOOR_BOTTOM;
    map_tiles[49][49] = TILE_WALL_RIGHT_BOTTOM;
    expect_walls({{4988, 4900, 12, 100}, {4700, 4987, 105, 12}, {4895, 4987, 105, 12}});
}

TEST_F(PrepareMap, VerticalWallsComeFirstColumnByColumnThenHorizontalRowByRow)
{
    // A room whose corners are corner kinds; walls listed in scan order.
    map_tiles[1][1] = TILE_WALL_LEFT_TOP;
    map_tiles[2][1] = TILE_WALL_TOP;
    map_tiles[3][1] = TILE_WALL_RIGHT_TOP;
    map_tiles[1][2] = TILE_WALL_LEFT_BOTTOM;
    map_tiles[2][2] = TILE_DOOR_BOTTOM;
    map_tiles[3][2] = TILE_WALL_RIGHT_BOTTOM;
    // In column 8 a right run lies above a left run, which follows it directly.
    map_tiles[8][0] = TILE_WALL_RIGHT;
    map_tiles[8][1] = TILE_WALL_LEFT;
    map_tiles[8][2] = TILE_WALL_RIGHT;
    expect_walls({
        {103, 100, 12, 200},                       // column 1, left
        {388, 100, 12, 200},                       // column 3, right
        {888, 0, 12, 100},                         // column 8, rows 0, 1, 2
        {803, 100, 12, 100},
        {888, 200, 12, 100},
        {100, 102, 300, 12},                       // row 1, top
        {100, 287, 105, 12}, {295, 287, 105, 12},  // row 2, bottom with a doorway
    });
}

TEST_F(PrepareMap, TheListNeverHoldsMoreThanItsCapacity)
{
    // A doorway on every tile gives 51 pieces per column: 2550 in all.
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++)
            map_tiles[x][y] = TILE_DOOR_LEFT;
    prepare_map();
    ASSERT_EQ(wall_rect_count, MAX_WALL_RECTS);
    // The first 500 in scan order are kept: 9 whole columns, then 41 pieces of column 9.
    EXPECT_EQ(wall_rects[0]->y, 0.0f);
    EXPECT_EQ(wall_rects[0]->h, 5.0f);
    EXPECT_EQ(wall_rects[51]->x, 103.0f);
    EXPECT_EQ(wall_rects[499]->x, 903.0f);
    EXPECT_EQ(wall_rects[499]->y, 3995.0f);
    EXPECT_EQ(wall_rects[499]->h, 10.0f);
    // Preparing again cannot grow the full list.
    prepare_map();
    EXPECT_EQ(wall_rect_count, MAX_WALL_RECTS);
}
