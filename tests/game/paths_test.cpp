// paths_test.cpp -- open doorways and closed walls, clear lines, field rebuilds, zombies led through a doorway
#include <cmath>
#include <sstream>

#include "game/collision.h"
#include "game/paths.h"
#include "game/world_fixture.h"
#include "maps/map_file.h"
#include "maps/map_prepare.h"

using PathGrid = CleanWorld;
using PathRoutes = CleanWorld;

const int ROOM_FIRST = 20, ROOM_LAST = 24;  // tiles: the room spans 2000 to 2500 on both axes

// A doorway on one side of the room, and two spots across the room from it:
// the player's inside and a zombie's just outside the far wall.
struct Doorway {
    int kind, tile_x, tile_y;
    float player_x, player_y, zombie_x, zombie_y;
};
const Doorway DOORWAYS[] = {
    {TILE_DOOR_TOP, 22, ROOM_FIRST, 2250, 2440, 2250, 2570},
    {TILE_DOOR_BOTTOM, 22, ROOM_LAST, 2250, 2060, 2250, 1930},
    {TILE_DOOR_LEFT, ROOM_FIRST, 22, 2440, 2250, 2570, 2250},
    {TILE_DOOR_RIGHT, ROOM_LAST, 22, 2060, 2250, 1930, 2250},
};

// The walled room, with the doorway unless `door` is null, and its path grid.
static void build_room(const Doorway *door)
{
    for (int t = ROOM_FIRST + 1; t < ROOM_LAST; t++) {
        map_tiles[t][ROOM_FIRST] = TILE_WALL_TOP;
        map_tiles[t][ROOM_LAST] = TILE_WALL_BOTTOM;
        map_tiles[ROOM_FIRST][t] = TILE_WALL_LEFT;
        map_tiles[ROOM_LAST][t] = TILE_WALL_RIGHT;
    }
    map_tiles[ROOM_FIRST][ROOM_FIRST] = TILE_WALL_LEFT_TOP;
    map_tiles[ROOM_LAST][ROOM_FIRST] = TILE_WALL_RIGHT_TOP;
    map_tiles[ROOM_FIRST][ROOM_LAST] = TILE_WALL_LEFT_BOTTOM;
    map_tiles[ROOM_LAST][ROOM_LAST] = TILE_WALL_RIGHT_BOTTOM;
    if (door)
        map_tiles[door->tile_x][door->tile_y] = door->kind;
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

// A cell is blocked exactly where the game's own wall push would move a
// person standing on its centre; each doorway leaves three cells open across
// its gap, enough for a person, and the wall beside it none.
TEST_F(PathGrid, CellsAreBlockedWhereTheWallPushMovesAPersonSoEachDoorwayStaysOpen)
{
    for (const Doorway &door : DOORWAYS) {
        SCOPED_TRACE(door.kind);
        clean_world();
        build_room(&door);
        for (float y = 1910; y < 2600; y += PATH_CELL)
            for (float x = 1910; x < 2600; x += PATH_CELL) {
                float px = x, py = y;
                push_out_of_walls(px, py);
                bool moved = px != x || py != y;
                ASSERT_EQ(path_blocked[path_cell_at(x, y)] != 0, moved || inside_a_wall(x, y))
                    << x << ", " << y;
            }
        bool across_x = door.kind == TILE_DOOR_TOP || door.kind == TILE_DOOR_BOTTOM;
        for (int tile : {0, 1}) {  // the doorway's tile, then its neighbour along the wall
            int open = 0;
            for (int i = 0; i < TILE_SIZE; i += PATH_CELL) {
                float along =
                    (float)((across_x ? door.tile_x + tile : door.tile_y + tile) * TILE_SIZE + i);
                float line = (float)((across_x ? door.tile_y : door.tile_x) * TILE_SIZE) +
                             (door.kind == TILE_DOOR_TOP || door.kind == TILE_DOOR_LEFT ? 9 : 93);
                open +=
                    !path_blocked[across_x ? path_cell_at(along, line) : path_cell_at(line, along)];
            }
            EXPECT_EQ(open, tile == 0 ? 3 : 0);
        }
    }
}

// Every doorway of the shipped maps has the middle of its gap open.
TEST_F(PathGrid, EveryDoorwayOfTheShippedMapsIsOpen)
{
    const float middle_x[4] = {9, 50, 94, 50},
                middle_y[4] = {50, 93, 50, 8};  // left, bottom, right, top
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

// A straight walk is clear while the person's circle keeps off every wall,
// touching allowed, and blocked by a wall across it or a stub it would clip.
TEST_F(PathGrid, ALineIsClearOnlyWhereAPersonWalkingItMeetsNoWall)
{
    build_room(&DOORWAYS[0]);  // doorway gap from x 2205 to 2295 in the top wall, y 2002 to 2014
    struct {
        float ax, ay, bx, by;
        bool clear;
    } lines[] = {
        {500, 500, 1500, 4000, true},   {2250, 2570, 2250, 2440, false},  // the bottom wall
        {2100, 2516, 2400, 2516, true}, {2100, 2509, 2400, 2509, false},  // 17 and 10 below it
        {2250, 1900, 2250, 2200, true}, {2150, 1900, 2320, 2200, false},  // through, clipping
        {2250, 2008, 2250, 2008, true}, {2100, 2008, 2100, 2008, false},  // standing still
    };
    for (const auto &l : lines)
        EXPECT_EQ(clear_line(l.ax, l.ay, l.bx, l.by), l.clear)
            << l.ax << ", " << l.ay << " to " << l.bx << ", " << l.by;
}

// A field starts from the player's cell, costs 5 a side step and 7 a
// diagonal, and is built again only once its player stands in another cell.
TEST_F(PathGrid, AFieldIsRebuiltOnlyWhenItsPlayerChangesCell)
{
    build_path_grid();
    player_count = 2;
    player_x[0] = player_y[0] = 2505;
    player_x[1] = player_y[1] = 1000;
    struct {
        int slot;
        float dx, dy;
        int builds_0, builds_1;
    } moves[] = {{0, 0, 0, 1, 1},  {0, 14, 14, 1, 1}, {0, 1, 0, 2, 1},
                 {1, -1, 0, 2, 2}, {1, 0, 0, 2, 2},   {0, 0, -20, 3, 2}};
    for (const auto &m : moves) {
        player_x[m.slot] += m.dx;
        player_y[m.slot] += m.dy;
        update_path_fields();
        EXPECT_EQ(path_field_builds[0] * 10 + path_field_builds[1], m.builds_0 * 10 + m.builds_1)
            << m.dx << ", " << m.dy;
        EXPECT_EQ(path_field[m.slot][path_cell_at(player_x[m.slot], player_y[m.slot])], 0);
    }
    float far_x = player_x[0] + 40 * PATH_CELL, far_y = player_y[0] - 25 * PATH_CELL;
    EXPECT_EQ(path_field[0][path_cell_at(far_x, far_y)], 25 * 7 + 15 * 5);
}

// Step by step along route_angle, with the game's wall push, a zombie behind
// the room's far wall walks round to the doorway and reaches the player;
// chasing straight, it stays pressed against the wall.
TEST_F(PathRoutes, AZombieBehindTheFarWallComesInByTheDoorwayWhereAStraightChaseSticks)
{
    const float STEP = 2.0f;    // world pixels per step
    const int MAX_STEPS = 900;  // the way round the room to the doorway is about 1500 px
    for (const Doorway &door : DOORWAYS)
        for (bool routed : {true, false}) {
            SCOPED_TRACE(door.kind * 10 + routed);
            clean_world();
            build_room(&door);
            player_x[0] = door.player_x;
            player_y[0] = door.player_y;
            float x = door.zombie_x, y = door.zombie_y;
            int steps = 0;
            for (; steps < MAX_STEPS &&
                   person_distance(x, y, player_x[0], player_y[0]) >= PERSON_SEPARATION;
                 steps++) {
                update_path_fields();
                double angle =
                    routed ? route_angle(x, y, 0) : std::atan2(player_y[0] - y, player_x[0] - x);
                x = (float)(x + STEP * std::cos(angle));
                y = (float)(y + STEP * std::sin(angle));
                push_out_of_walls(x, y);
            }
            EXPECT_EQ(steps < MAX_STEPS, routed) << steps << " steps";
        }
}

// Straight at the player, as the chase computes it, in the open, off the
// grid and where no way leads in (a room without a doorway).
TEST_F(PathRoutes, WithAClearLineOrNoWayKnownAZombieAimsStraightAtThePlayer)
{
    build_room(nullptr);
    player_x[0] = 2250;
    player_y[0] = 2440;
    update_path_fields();
    for (float x : {2250.0f, 2100.0f, -50.0f, 5003.5f})
        for (float y : {2570.0f, 2300.0f}) {
            float straight =
                (float)std::atan2((double)(player_y[0] - y), (double)(player_x[0] - x));
            EXPECT_EQ(route_angle(x, y, 0), straight) << x << ", " << y;
        }
}
