// editor_marks.cpp -- what the editor draws over the map: the tile under the pointer, a shape being dragged, the grid
#include "ui/editor_marks.h"

#include <algorithm>
#include <cmath>

#include "app/artwork_layout.h"
#include "app/display.h"
#include "game/world.h"
#include "maps/map_file.h"

// The first screen column (or row) whose sample lies at or past world
// coordinate w: the view samples X0 + (j + 1) z for column j.
static int screen_edge(float w, float origin)
{
    return (int)std::ceil((w - origin) / view_scale - 1.0f);
}

static float origin_x()
{
    return camera_x + VIEW_CENTER_X - VIEW_CENTER_X * view_scale;
}

static float origin_y()
{
    return camera_y + VIEW_CENTER_Y - VIEW_CENTER_Y * view_scale;
}

// Clipped here: the edges of a magnified tile lie far past what a
// rectangle's 16-bit fields hold.
static void fill(int x, int y, int w, int h, Uint32 color)
{
    int left = std::max(x, 0), top = std::max(y, 0);
    int right = std::min(x + w, VIEW_W), bottom = std::min(y + h, VIEW_H);
    if (right <= left || bottom <= top)
        return;
    SDL_Rect r = {(Sint16)left, (Sint16)top, (Uint16)(right - left), (Uint16)(bottom - top)};
    SDL_FillRect(display_surface, &r, color);
}

void frame_tiles(const TileSpan &span)
{
    int left = screen_edge((float)(span.left * TILE_SIZE), origin_x());
    int right = screen_edge((float)((span.right + 1) * TILE_SIZE), origin_x());
    int top = screen_edge((float)(span.top * TILE_SIZE), origin_y());
    int bottom = screen_edge((float)((span.bottom + 1) * TILE_SIZE), origin_y());
    Uint32 color = SDL_MapRGB(display_surface->format, 255, 208, 64);
    int t = MARK_THICKNESS, w = right - left, h = bottom - top;
    fill(left, top, w, t, color);
    fill(left, bottom - t, w, t, color);
    fill(left, top, t, h, color);
    fill(right - t, top, t, h, color);
}

void draw_tile_grid()
{
    Uint32 color = SDL_MapRGB(display_surface->format, 150, 150, 150);
    int top = screen_edge(0.0f, origin_y()), bottom = screen_edge((float)WORLD_PIXELS, origin_y());
    int left = screen_edge(0.0f, origin_x()), right = screen_edge((float)WORLD_PIXELS, origin_x());
    for (int k = 0; k <= MAP_SIZE; k++) {
        fill(screen_edge((float)(k * TILE_SIZE), origin_x()), top, 1, bottom - top, color);
        fill(left, screen_edge((float)(k * TILE_SIZE), origin_y()), right - left, 1, color);
    }
}
