// map_panels.cpp -- the contact sheet's map panels: the shipped maps at 1:10 and the named tiles
#include "map_panels.h"

#include <string>

#include "maps/tile_names.h"
#include "sheet_drawing.h"
#include "tiles.h"

const int MAP_PREVIEW_SCALE = 10;  // world pixels per preview pixel
const int MAP_SIZE = 50;

Picture shrunk_tiles(const MediaSet &m)
{
    int cells = TILE / MAP_PREVIEW_SCALE;
    Picture p = make_picture(cells * (LAST_WALL + 1), cells, BLACK);
    for (int k = 0; k <= LAST_WALL; k++)
        for (int v = 0; v < cells; v++)
            for (int u = 0; u < cells; u++) {
                Color sum = {0, 0, 0, 0};
                for (int j = 0; j < MAP_PREVIEW_SCALE; j++)
                    for (int i = 0; i < MAP_PREVIEW_SCALE; i++) {
                        Color c = get(m.tiles, TILE * (k % 4) + u * MAP_PREVIEW_SCALE + i,
                                      TILE * (k / 4) + v * MAP_PREVIEW_SCALE + j);
                        sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b, 1};
                    }
                float n = MAP_PREVIEW_SCALE * MAP_PREVIEW_SCALE;
                at(p, k * cells + u, v) = {sum.r / n, sum.g / n, sum.b / n, 1};
            }
    return p;
}

Picture map_preview(const Picture &shrunk, const ShippedMap &map)
{
    int cells = TILE / MAP_PREVIEW_SCALE, size = MAP_SIZE * cells;
    Picture p = make_picture(size, size, rgb(255, 0, 255));  // magenta marks a broken map
    for (int ty = 0; ty < MAP_SIZE && ty < (int)map.rows.size(); ty++)
        for (int tx = 0; tx < MAP_SIZE && tx < (int)map.rows[ty].size(); tx++) {
            int k = map.rows[ty][tx] - 33;
            if (k >= 0 && k <= LAST_WALL)
                copy_into(p, shrunk, k * cells, 0, cells, cells, tx * cells, ty * cells);
        }
    // The players start around the middle.
    draw_disc(p, size / 2.0f, size / 2.0f - 5, 3, rgb(255, 200, 40));
    return p;
}

Picture named_tiles(const MediaSet &m)
{
    const int PER_ROW = 7, SLOT_W = 330, NAME_H = 30;  // the longest name fits its slot
    static_assert(TILE_NAME_COUNT == LAST_WALL + 1, "every tile kind has a name");
    int rows = (TILE_NAME_COUNT + PER_ROW - 1) / PER_ROW;
    Picture p = make_picture(PER_ROW * SLOT_W, rows * (TILE + NAME_H), SHEET_BACK);
    for (int k = 0; k < TILE_NAME_COUNT; k++) {
        int x = (k % PER_ROW) * SLOT_W, y = (k / PER_ROW) * (TILE + NAME_H);
        copy_into(p, m.tiles, TILE * (k % 4), TILE * (k / 4), TILE, TILE, x, y);
        small_text(p, m.dashboard, x, y + TILE + 4, std::to_string(k) + " " + TILE_NAMES[k]);
    }
    return p;
}
