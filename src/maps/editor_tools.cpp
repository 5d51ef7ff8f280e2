// editor_tools.cpp -- the editor's shapes: a filled rectangle, a walled room, a flood fill, each one undo step
#include "maps/editor_tools.h"

#include <algorithm>
#include <vector>

#include "maps/edit_history.h"
#include "maps/map_file.h"

// A room's wall kinds by where a tile lies: [row][column], each of them the
// first, an inner or the last of its span.
static const int ROOM_KINDS[3][3] = {
    {TILE_WALL_LEFT_TOP, TILE_WALL_TOP, TILE_WALL_RIGHT_TOP},
    {TILE_WALL_LEFT, -1, TILE_WALL_RIGHT},
    {TILE_WALL_LEFT_BOTTOM, TILE_WALL_BOTTOM, TILE_WALL_RIGHT_BOTTOM},
};

static int clamp_tile(int value)
{
    return std::min(std::max(value, 0), MAP_SIZE - 1);
}

TileSpan span_between(int x0, int y0, int x1, int y1)
{
    return {clamp_tile(std::min(x0, x1)), clamp_tile(std::min(y0, y1)),
            clamp_tile(std::max(x0, x1)), clamp_tile(std::max(y0, y1))};
}

// Each shape is one stroke, whatever stroke the button left open.
int fill_span(const TileSpan &span, int kind)
{
    end_stroke();
    int changed = 0;
    for (int x = span.left; x <= span.right; x++)
        for (int y = span.top; y <= span.bottom; y++)
            changed += paint_tile(x, y, kind);
    end_stroke();
    return changed;
}

static int place_in_span(int value, int first, int last)
{
    return value == first ? 0 : (value == last ? 2 : 1);
}

bool build_room(const TileSpan &span)
{
    if (span.right == span.left || span.bottom == span.top)
        return false;
    end_stroke();
    for (int x = span.left; x <= span.right; x++)
        for (int y = span.top; y <= span.bottom; y++) {
            int kind = ROOM_KINDS[place_in_span(y, span.top, span.bottom)]
                                 [place_in_span(x, span.left, span.right)];
            if (kind >= 0)
                paint_tile(x, y, kind);
        }
    end_stroke();
    return true;
}

// Breadth first from the clicked tile: every tile joins the queue once,
// when it takes the new kind.
int flood_fill(int x, int y, int kind)
{
    if (x < 0 || x >= MAP_SIZE || y < 0 || y >= MAP_SIZE || map_tiles[x][y] == kind)
        return 0;
    int old_kind = map_tiles[x][y];
    std::vector<int> queue;
    queue.reserve(MAP_SIZE * MAP_SIZE);
    end_stroke();
    paint_tile(x, y, kind);
    queue.push_back(x * MAP_SIZE + y);
    for (size_t next = 0; next < queue.size(); next++) {
        int tx = queue[next] / MAP_SIZE, ty = queue[next] % MAP_SIZE;
        const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        for (const auto &step : steps) {
            int nx = tx + step[0], ny = ty + step[1];
            if (nx >= 0 && nx < MAP_SIZE && ny >= 0 && ny < MAP_SIZE &&
                map_tiles[nx][ny] == old_kind) {
                paint_tile(nx, ny, kind);
                queue.push_back(nx * MAP_SIZE + ny);
            }
        }
    }
    end_stroke();
    return (int)queue.size();
}
