// tiles.h -- the map tile sheet: ten floors, twelve wall kinds and their overlays
#pragma once

#include "picture.h"

const int TILE = 100;  // a cell is 100 by 100 pixels
const int TILE_SHEET_COLUMNS = 4, TILE_SHEET_ROWS = 12;
const int FLOOR_KINDS = 10;  // kinds 0..9
const int FIRST_WALL = 10, LAST_WALL = 21;
const int OVERLAY_OFFSET = 12;  // overlay of wall kind k is cell k + 12
const int WALL_FLOOR = 4;       // the floor drawn under every wall kind

// Where the game's collision puts a wall inside its tile: 12 pixels thick,
// doorways open from 5 to 95 along the wall.
const int WALL_LEFT_X = 3, WALL_RIGHT_X = 88, WALL_TOP_Y = 2, WALL_BOTTOM_Y = 87;
const int WALL_THICK = 12;
const int DOOR_FROM = 5, DOOR_TO = 95;

struct TileRect {
    int x, y, w, h;
};
const int MAX_RECTS_PER_KIND = 4;
// The solid rectangles of wall kind k (10..21), tile-relative; returns their count.
int wall_rects_of_kind(int kind, TileRect rects[MAX_RECTS_PER_KIND]);

Picture make_floor(int kind);
Picture make_tile_sheet();
