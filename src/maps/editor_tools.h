// editor_tools.h -- the editor's shapes: a filled rectangle, a walled room, a flood fill, each one undo step
#pragma once

// A span of tiles between two corners given in any order, clamped to the grid.
struct TileSpan {
    int left, top, right, bottom;
};

TileSpan span_between(int x0, int y0, int x1, int y1);
// Every tile of the span takes the kind. Returns the tiles changed.
int fill_span(const TileSpan &span, int kind);
// The span's border becomes walls facing outwards, corners with their two
// walls; the inside keeps its tiles. A room needs two tiles each way:
// returns false and changes nothing for a narrower span.
bool build_room(const TileSpan &span);
// The tiles of the kind at (x, y) joined to it by their four sides take
// the new kind. Returns the tiles changed.
int flood_fill(int x, int y, int kind);
