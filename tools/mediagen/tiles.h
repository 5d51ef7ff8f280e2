// tiles.h -- the map tile sheet: ten floors, twelve wall kinds and their overlays
#pragma once

#include "app/artwork_layout.h"
#include "maps/map_file.h"
#include "picture.h"

const int TILE_SHEET_ROWS = TILE_CELL_COUNT / TILE_CELL_COLUMNS;
const int LAST_WALL_KIND = TILE_KIND_COUNT - 1;
const int WALL_FLOOR = 4;  // the floor drawn under every wall kind: concrete

struct TileRect {
    int x, y, w, h;
};
const int MAX_RECTS_PER_KIND = 4;
// The solid rectangles of wall kind k (10..21), tile-relative, where the
// game's collision puts them; returns their count.
int wall_rects_of_kind(int kind, TileRect rects[MAX_RECTS_PER_KIND]);

// The top-left corner of cell `cell` of the tile sheet, as the game cuts it.
inline int tile_cell_x(int cell)
{
    return TILE_SIZE * (cell % TILE_CELL_COLUMNS);
}
inline int tile_cell_y(int cell)
{
    return TILE_SIZE * (cell / TILE_CELL_COLUMNS);
}

Picture make_floor(int kind);
Picture make_tile_sheet();
