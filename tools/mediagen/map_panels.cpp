// map_panels.cpp -- the contact sheet's map panels: the shipped maps at 1:10 and the named tiles
#include "map_panels.h"

#include <string>

#include "game/world.h"
#include "maps/tile_names.h"
#include "sheet_drawing.h"
#include "tiles.h"

const int MAP_PREVIEW_SCALE = 10;                        // world pixels per preview pixel
const int PREVIEW_CELL = TILE_SIZE / MAP_PREVIEW_SCALE;  // preview pixels per tile
// Slot 0 starts this far above the world's centre (world.cpp's start spacing).
const int PLAYER_START_RISE = 50;

Picture shrunk_tiles(const MediaSet &m)
{
    int cells = PREVIEW_CELL;
    Picture p = make_picture(cells * TILE_KIND_COUNT, cells, BLACK);
    for (int k = 0; k < TILE_KIND_COUNT; k++)
        for (int v = 0; v < cells; v++)
            for (int u = 0; u < cells; u++) {
                Color sum = {0, 0, 0, 0};
                for (int j = 0; j < MAP_PREVIEW_SCALE; j++)
                    for (int i = 0; i < MAP_PREVIEW_SCALE; i++) {
                        Color c = get(m.tiles, tile_cell_x(k) + u * MAP_PREVIEW_SCALE + i,
                                      tile_cell_y(k) + v * MAP_PREVIEW_SCALE + j);
                        sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b, 1};
                    }
                float n = MAP_PREVIEW_SCALE * MAP_PREVIEW_SCALE;
                at(p, k * cells + u, v) = {sum.r / n, sum.g / n, sum.b / n, 1};
            }
    return p;
}

Picture map_preview(const Picture &shrunk, const ShippedMap &map)
{
    int cells = PREVIEW_CELL, size = MAP_SIZE * cells;
    Picture p = make_picture(size, size, rgb(255, 0, 255));  // magenta marks a broken map
    for (int ty = 0; ty < MAP_SIZE && ty < (int)map.rows.size(); ty++)
        for (int tx = 0; tx < MAP_SIZE && tx < (int)map.rows[ty].size(); tx++) {
            int k = map.rows[ty][tx] - TILE_CHAR_OFFSET;
            if (k >= 0 && k < TILE_KIND_COUNT)
                copy_into(p, shrunk, k * cells, 0, cells, cells, tx * cells, ty * cells);
        }
    // The players start around the middle, slot 0 at the top.
    draw_disc(p, size / 2.0f, size / 2.0f - PLAYER_START_RISE / MAP_PREVIEW_SCALE, 3,
              rgb(255, 200, 40));
    return p;
}

Picture named_tiles(const MediaSet &m)
{
    const int PER_ROW = 7, SLOT_W = 330, NAME_H = 30;  // the longest name fits its slot
    static_assert(TILE_NAME_COUNT == TILE_KIND_COUNT, "every tile kind has a name");
    int rows = (TILE_NAME_COUNT + PER_ROW - 1) / PER_ROW;
    Picture p = make_picture(PER_ROW * SLOT_W, rows * (TILE_SIZE + NAME_H), SHEET_BACK);
    for (int k = 0; k < TILE_NAME_COUNT; k++) {
        int x = (k % PER_ROW) * SLOT_W, y = (k / PER_ROW) * (TILE_SIZE + NAME_H);
        copy_into(p, m.tiles, tile_cell_x(k), tile_cell_y(k), TILE_SIZE, TILE_SIZE, x, y);
        small_text(p, m.dashboard, x, y + TILE_SIZE + 4, std::to_string(k) + " " + TILE_NAMES[k]);
    }
    return p;
}
