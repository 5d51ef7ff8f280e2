// paths_test.cpp -- open doorways and closed walls, clear lines, field rebuilds, zombies led through a doorway
#include <sstream>

#include "game/collision.h"
#include "game/paths.h"
#include "game/world_fixture.h"
#include "maps/map_file.h"
#include "maps/map_prepare.h"

using PathGrid = CleanWorld;
using PathRoutes = CleanWorld;

// A doorway in one side of the room of tiles 20 to 24 (2000 to 2500 px),
// the line its wall runs along, and two spots across the room from it: the
// player's inside and a zombie's just outside the far wall.
struct Doorway {
    int kind, tile_x, tile_y;
    float wall_line, player_x, player_y, zombie_x, zombie_y;
};
const Doorway DOORWAYS[] = {
    {TILE_DOOR_TOP, 22, 20, 2008, 2250, 2440, 2250, 2570},
    {TILE_DOOR_BOTTOM, 22, 24, 2493, 2250, 2060, 2250, 1930},
    {TILE_DOOR_LEFT, 20, 22, 2009, 2440, 2250, 2570, 2250},
    {TILE_DOOR_RIGHT, 24, 22, 2494, 2060, 2250, 1930, 2250},
};

// The room's tiles: [row][column], each first, inner or last.
const int ROOM_KINDS[3][3] = {{TILE_WALL_LEFT_TOP, TILE_WALL_TOP, TILE_WALL_RIGHT_TOP},
                              {TILE_WALL_LEFT, 0, TILE_WALL_RIGHT},
                              {TILE_WALL_LEFT_BOTTOM, TILE_WALL_BOTTOM, TILE_WALL_RIGHT_BOTTOM}};

// The room with its tile (x, y) of kind `kind`, its walls and their grid.
static void build_room(int kind, int x, int y)
{
    clean_world();
    for (int tx = 20; tx <= 24; tx++)
        for (int ty = 20; ty <= 24; ty++)
            map_tiles[tx][ty] = ROOM_KINDS[(ty > 20) + (ty == 24)][(tx > 20) + (tx == 24)];
    map_tiles[x][y] = kind;
    prepare_map();
    build_path_grid();
}

static bool inside_a_wall(float x, float y)
{
    for (int i = 0; i < wall_rect_count; i++) {
        const WallRect &w = *wall_rects[i];
        if (w.x <= x && x <= w.x + w.w && w.y <= y && y <= w.y + w.h)
            return true;
    }
    return false;
}

// A cell is blocked exactly where the game's own wall push moves a person on
// its centre, or the centre lies in a wall (the push may leave it there).
// Along the wall, a doorway's tile keeps two cells open and the next tile none.
TEST_F(PathGrid, CellsAreBlockedWhereTheWallPushMovesAPersonAndEachDoorwayStaysOpen)
{
    for (const Doorway &door : DOORWAYS) {
        SCOPED_TRACE(door.kind);
        build_room(door.kind, door.tile_x, door.tile_y);
        for (float y = 1912.5f; y < 2600; y += PATH_CELL)
            for (float x = 1912.5f; x < 2600; x += PATH_CELL) {
                float px = x, py = y;
                push_out_of_walls(px, py);
                ASSERT_EQ(path_blocked[path_cell_at(x, y)] != 0,
                          px != x || py != y || inside_a_wall(x, y))
                    << x << ", " << y;
            }
        bool across_x = door.kind == TILE_DOOR_TOP || door.kind == TILE_DOOR_BOTTOM;
        for (int tile : {0, 1}) {
            int open = 0;
            for (int i = 0; i < TILE_SIZE; i += PATH_CELL) {
                float along = (float)((22 + tile) * TILE_SIZE + i);
                open += !path_blocked[across_x ? path_cell_at(along, door.wall_line)
                                               : path_cell_at(door.wall_line, along)];
            }
            EXPECT_EQ(open, tile == 0 ? 2 : 0);
        }
    }
}

// The middle of every doorway's gap in the shipped maps is open.
TEST_F(PathGrid, EveryDoorwayOfTheShippedMapsIsOpen)
{
    const float middle_x[4] = {9, 50, 94, 50}, middle_y[4] = {50, 93, 50, 8};  // L, B, R, T
    std::istringstream names(folder_listing(SHIPPED_MAPS_DIR));
    int doorways = 0;
    for (std::string name; std::getline(names, name);) {
        std::istringstream rows(read_file((std::string(SHIPPED_MAPS_DIR) + "/" + name).c_str()));
        ASSERT_TRUE(read_map_rows(rows, map_tiles)) << name;
        clear_wall_rects();
        prepare_map();
        build_path_grid();
        for (int tx = 0; tx < MAP_SIZE; tx++)
            for (int ty = 0; ty < MAP_SIZE; ty++) {
                int side = map_tiles[tx][ty] - TILE_DOOR_LEFT;
                if (side < 0)
                    continue;
                doorways++;
                EXPECT_FALSE(path_blocked[path_cell_at(tx * TILE_SIZE + middle_x[side],
                                                       ty * TILE_SIZE + middle_y[side])])
                    << name << " tile " << tx << ", " << ty;
            }
    }
    EXPECT_GT(doorways, 10);
}

// Clear while the person's circle keeps off every wall, touching allowed;
// blocked by a wall across the way or a doorway's stub it would clip.
TEST_F(PathGrid, ALineIsClearOnlyWhereAPersonWalkingItMeetsNoWall)
{
    build_room(TILE_DOOR_TOP, 22, 20);  // the gap runs from x 2205 to 2295 in the top wall
    struct {
        float ax, ay, bx, by;
        bool clear;
    } lines[] = {
        {500, 500, 1500, 4000, true},   {2250, 2570, 2250, 2440, false},  // across a wall
        {2100, 2516, 2400, 2516, true}, {2100, 2509, 2400, 2509, false},  // 17 and 10 below it
        {2250, 1900, 2250, 2200, true}, {2150, 1900, 2320, 2200, false},  // the gap, a stub
        {2250, 2008, 2250, 2008, true}, {2100, 2008, 2100, 2008, false},  // standing still
        {-50, 2570, 2250, 2440, false}, {4000, -80, 4900, 5080, true},    // from off the world
    };
    for (const auto &l : lines)
        EXPECT_EQ(clear_line(l.ax, l.ay, l.bx, l.by), l.clear)
            << l.ax << ", " << l.ay << " to " << l.bx << ", " << l.by;
}

// A field costs 5 a side step and 7 a diagonal from its player's cell, and
// is built again only once that player stands in another cell.
TEST_F(PathGrid, AFieldIsRebuiltOnlyWhenItsPlayerChangesCell)
{
    build_path_grid();
    player_count = 2;
    player_x[0] = player_y[0] = 100 * PATH_CELL + 5;
    player_x[1] = player_y[1] = 40 * PATH_CELL;
    const float IN_CELL = PATH_CELL - 6;  // still short of the cell's far edge
    struct {
        int slot;
        float dx, dy;
        int builds[2];
    } moves[] = {{0, 0, 0, {1, 1}}, {0, IN_CELL, IN_CELL, {1, 1}},
                 {0, 1, 0, {2, 1}}, {1, -1, 0, {2, 2}},
                 {1, 0, 0, {2, 2}}, {0, 0, -PATH_CELL, {3, 2}}};
    for (const auto &m : moves) {
        player_x[m.slot] += m.dx;
        player_y[m.slot] += m.dy;
        update_path_fields();
        EXPECT_TRUE(path_field_builds[0] == m.builds[0] && path_field_builds[1] == m.builds[1])
            << path_field_builds[0] << path_field_builds[1];
        EXPECT_EQ(path_field[m.slot][path_cell_at(player_x[m.slot], player_y[m.slot])], 0);
    }
    float far_x = player_x[0] + 40 * PATH_CELL, far_y = player_y[0] - 25 * PATH_CELL;
    EXPECT_EQ(path_field[0][path_cell_at(far_x, far_y)], 25 * 7 + 15 * 5);
}

// Step by step, with the game's wall push, a zombie behind the room's far
// wall goes round to the doorway and reaches the player; chasing straight,
// it stays pressed against the wall. With no doorway it aims straight.
TEST_F(PathRoutes, AZombieBehindTheFarWallComesInByTheDoorwayWhereAStraightChaseSticks)
{
    const float STEP = 2.0f;    // world pixels per step
    const int MAX_STEPS = 900;  // the way round the room to the doorway is about 1500 px
    for (const Doorway &door : DOORWAYS)
        for (bool routed : {true, false}) {
            SCOPED_TRACE(door.kind * 10 + routed);
            build_room(door.kind, door.tile_x, door.tile_y);
            player_x[0] = door.player_x;
            player_y[0] = door.player_y;
            float x = door.zombie_x, y = door.zombie_y;
            int steps = 0;
            for (; steps < MAX_STEPS &&
                   person_distance(x, y, door.player_x, door.player_y) >= PERSON_SEPARATION;
                 steps++) {
                update_path_fields();
                double angle =
                    routed ? route_angle(x, y, 0)
                           : std::atan2((double)(door.player_y - y), (double)(door.player_x - x));
                x = (float)(x + STEP * std::cos(angle));
                y = (float)(y + STEP * std::sin(angle));
                push_out_of_walls(x, y);
            }
            EXPECT_EQ(steps < MAX_STEPS, routed) << steps << " steps";
        }
    build_room(TILE_WALL_TOP, 22, 20);  // no doorway
    player_x[0] = 2250;
    player_y[0] = 2440;
    update_path_fields();
    EXPECT_EQ(route_angle(2250, 2570, 0), (float)std::atan2(2440.0 - 2570.0, 0.0));
}
