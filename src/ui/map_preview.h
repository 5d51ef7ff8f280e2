// map_preview.h -- a map's whole grid drawn small beside the map list, and its best game under it
#pragma once

#include <SDL.h>

#include "app/folders.h"
#include "maps/map_file.h"

const int PREVIEW_TILE_PIXELS = 3;                        // display pixels a tile's side
const int PREVIEW_SIDE = MAP_SIZE * PREVIEW_TILE_PIXELS;  // 150: the grid's side
const int PREVIEW_X = 468, PREVIEW_Y = 146;  // the grid's top left; a frame lies around
const int PREVIEW_CENTER_X = PREVIEW_X + PREVIEW_SIDE / 2;
const int PREVIEW_BEST_Y = 306;    // the first line of the best, under the grid
const int PREVIEW_LINE_GAP = 24;   // between the best's lines
const int WALL_SHADE_DIVISOR = 3;  // walls: their tops' average at a third, so they stand out

struct PreviewColor {
    Uint8 r, g, b;
};

// Worked out from the tile sheet when first needed
extern PreviewColor tile_preview_colors[TILE_KIND_COUNT];  // by kind
extern bool tile_preview_colors_ready;
// The map file last read for the preview; forgotten when a map choice opens
extern char preview_map_name[MAP_NAME_MAX + 1];  // empty: none read
extern int preview_tiles[MAP_SIZE][MAP_SIZE];    // [x][y] as in map_tiles
extern bool preview_map_read;                    // the file could be read

// A floor is its picture's average colour; a wall the average of its top,
// darkened. Keyed pixels count for nothing.
void compute_tile_preview_colors();
void forget_map_preview();
// The grid of Maps/`name`, three pixels a tile; nothing for a file that cannot be read.
void draw_map_preview(const char *name);
// The best game on `label` in that mode and player count, or that there is none yet.
void draw_map_best(const char *label, int mode, int players);
