// editor_marks.h -- what the editor draws over the map: the tile under the pointer, a shape being dragged, the grid
#pragma once

#include "maps/editor_tools.h"

const int MARK_THICKNESS = 2;

// A span of tiles framed on the display, clipped to it.
void frame_tiles(const TileSpan &span);
// Every tile edge in view as a one-pixel line.
void draw_tile_grid();
