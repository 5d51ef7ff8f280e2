// map_prepare_test.cpp -- wall runs, doorways, the order of the wall list and its bound
#include "game/world_fixture.h"
#include "maps/map_file.h"
#include "maps/map_prepare.h"

using PrepareMap = CleanWorld;

TEST_F(PrepareMap, RunsMergeDoorwaysCutGapsKindsOfOneEdgeJoinInListOrderUpToTheCapacity)
{
    const int L = TILE_WALL_LEFT, R = TILE_WALL_RIGHT, B = TILE_WALL_BOTTOM, T = TILE_WALL_TOP;
    const int LT = TILE_WALL_LEFT_TOP, LB = TILE_WALL_LEFT_BOTTOM, RB = TILE_WALL_RIGHT_BOTTOM;
    const int RT = TILE_WALL_RIGHT_TOP, DL = TILE_DOOR_LEFT, DR = TILE_DOOR_RIGHT;
    const int DB = TILE_DOOR_BOTTOM;
    EXPECT_EQ(prepared_walls({{3, 7, L}, {3, 8, L}, {3, 9, L}}),
              (std::vector<Rect>{{303, 700, 12, 300}}));
    EXPECT_EQ(prepared_walls({{3, 7, L}, {3, 8, DL}, {3, 9, L}}),
              (std::vector<Rect>{{303, 700, 12, 105}, {303, 895, 12, 105}}));
    // A lone doorway's two stubs; 10 between two gaps; a run ending at 5000;
    // a bottom wall beside a top wall.
    EXPECT_EQ(prepared_walls({{3, 8, DL}}),
              (std::vector<Rect>{{303, 800, 12, 5}, {303, 895, 12, 5}}));
    EXPECT_EQ(prepared_walls({{3, 8, DR}, {3, 9, DR}}),
              (std::vector<Rect>{{388, 800, 12, 5}, {388, 895, 12, 10}, {388, 995, 12, 5}}));
    EXPECT_EQ(prepared_walls({{0, 45, L}, {0, 46, L}, {0, 47, L}, {0, 48, L}, {0, 49, L}}),
              (std::vector<Rect>{{3, 4500, 12, 500}}));
    EXPECT_EQ(prepared_walls({{10, 20, B}, {11, 20, T}}),
              (std::vector<Rect>{{1000, 2087, 100, 12}, {1100, 2002, 100, 12}}));
    EXPECT_EQ(
        prepared_walls({{47, 49, B}, {48, 49, DB}, {49, 49, RB}}),
        (std::vector<Rect>{{4988, 4900, 12, 100}, {4700, 4987, 105, 12}, {4895, 4987, 105, 12}}));

    // A room with corner kinds and a door, its left and top walls overlapping
    // in the corner; in column 8 a right run lies above a left run, which
    // follows it directly, and another right run. The walls: columns 1 and 3,
    // column 8, then rows 1 and 2.
    const std::initializer_list<Tile> room = {{1, 1, LT}, {2, 1, T},  {3, 1, RT},
                                              {1, 2, LB}, {2, 2, DB}, {3, 2, RB},
                                              {8, 0, R},  {8, 1, L},  {8, 2, R}};
    const std::vector<Rect> room_walls = {
        {103, 100, 12, 200}, {388, 100, 12, 200}, {888, 0, 12, 100},   {803, 100, 12, 100},
        {888, 200, 12, 100}, {100, 102, 300, 12}, {100, 287, 105, 12}, {295, 287, 105, 12}};
    EXPECT_EQ(prepared_walls(room), room_walls);

    // A doorway on every tile gives 51 pieces per column, 2550 in all: the
    // first 500 are 9 whole columns and 41 pieces of column 9.
    clean_world();
    fill_grid(DL);
    prepare_map();
    prepare_map();  // again, onto the full list
    ASSERT_EQ(wall_rect_count, MAX_WALL_RECTS);
    EXPECT_EQ(wall_at(51), (Rect{103, 0, 12, 5}));
    EXPECT_EQ(wall_at(499), (Rect{903, 3995, 12, 10}));
}
