// map_prepare.cpp -- merging neighbouring wall pieces into wall rectangles, with doorway gaps
#include "maps/map_prepare.h"

#include "game/paths.h"
#include "game/world.h"
#include "maps/map_file.h"

const int EDGE_KIND_COUNT = 4;

// One edge of a tile: the kinds that wall it and where the wall lies.
struct WallEdge {
    int kinds[EDGE_KIND_COUNT];  // the last one is the edge's doorway kind
    bool vertical;               // runs go down a column, else across a row
    int inset;                   // from the tile's left (vertical) or top edge
};

static const WallEdge LEFT_EDGE = {
    {TILE_WALL_LEFT_BOTTOM, TILE_WALL_LEFT_TOP, TILE_WALL_LEFT, TILE_DOOR_LEFT},
    true,
    LEFT_WALL_INSET};
static const WallEdge RIGHT_EDGE = {
    {TILE_WALL_RIGHT_BOTTOM, TILE_WALL_RIGHT_TOP, TILE_WALL_RIGHT, TILE_DOOR_RIGHT},
    true,
    RIGHT_WALL_INSET};
static const WallEdge TOP_EDGE = {
    {TILE_WALL_RIGHT_TOP, TILE_WALL_LEFT_TOP, TILE_WALL_TOP, TILE_DOOR_TOP}, false, TOP_WALL_INSET};
static const WallEdge BOTTOM_EDGE = {
    {TILE_WALL_LEFT_BOTTOM, TILE_WALL_RIGHT_BOTTOM, TILE_WALL_BOTTOM, TILE_DOOR_BOTTOM},
    false,
    BOTTOM_WALL_INSET};

// The tile at position `along` of grid line `line` (a column for vertical
// edges, a row for horizontal ones).
static int tile_on_line(const WallEdge &edge, int line, int along)
{
    return edge.vertical ? map_tiles[line][along] : map_tiles[along][line];
}

static bool walls_edge(const WallEdge &edge, int kind)
{
    for (int i = 0; i < EDGE_KIND_COUNT; i++)
        if (edge.kinds[i] == kind)
            return true;
    return false;
}

static bool is_doorway(const WallEdge &edge, int kind)
{
    return kind == edge.kinds[EDGE_KIND_COUNT - 1];
}

// A wall piece from `start` to `end` world pixels along the line.
static void emit_wall(const WallEdge &edge, int line, int start, int end)
{
    float across = (float)(line * TILE_SIZE + edge.inset);
    float along = (float)start;
    float length = (float)(end - start);
    if (edge.vertical)
        add_wall_rect(across, along, (float)WALL_THICKNESS, length);
    else
        add_wall_rect(along, across, length, (float)WALL_THICKNESS);
}

// Builds the run of the edge that starts at `first` on the line and returns
// the position just after it. Each doorway splits the run, leaving a stub at
// each side of its gap.
static int build_run(const WallEdge &edge, int line, int first)
{
    int start = first * TILE_SIZE;
    int end = start;
    int along = first;
    while (along < MAP_SIZE && walls_edge(edge, tile_on_line(edge, line, along))) {
        int tile_start = along * TILE_SIZE;
        if (is_doorway(edge, tile_on_line(edge, line, along))) {
            emit_wall(edge, line, start, tile_start + DOOR_STUB);
            start = tile_start + DOOR_STUB + DOORWAY_WIDTH;
        }
        end = tile_start + TILE_SIZE;
        along++;
    }
    emit_wall(edge, line, start, end);
    return along;
}

// Walks one line, building the runs of both edges in the order of their
// first tile; the two edge sets share no kind, so their runs never overlap.
static void scan_line(const WallEdge &first_edge, const WallEdge &second_edge, int line)
{
    int along = 0;
    while (along < MAP_SIZE) {
        int before = along;
        if (walls_edge(first_edge, tile_on_line(first_edge, line, along)))
            along = build_run(first_edge, line, along);
        if (along < MAP_SIZE && walls_edge(second_edge, tile_on_line(second_edge, line, along)))
            along = build_run(second_edge, line, along);
        if (along == before)
            along++;
    }
}

// All vertical walls column by column from the left, then all horizontal
// walls row by row from the top. Walls beyond the list's capacity are dropped.
void prepare_map()
{
    for (int x = 0; x < MAP_SIZE; x++)
        scan_line(LEFT_EDGE, RIGHT_EDGE, x);
    for (int y = 0; y < MAP_SIZE; y++)
        scan_line(BOTTOM_EDGE, TOP_EDGE, y);
    build_path_grid();  // the zombies' ways around these walls
}
