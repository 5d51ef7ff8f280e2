// map_preview.cpp -- a map's whole grid drawn small beside the map list, and its best game under it
#include "ui/map_preview.h"

#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>

#include "app/artwork.h"
#include "app/display.h"
#include "app/pixels.h"
#include "app/safe_write.h"
#include "app/sprite_tables.h"
#include "game/world.h"
#include "maps/records.h"
#include "ui/buttons.h"
#include "ui/game_over.h"
#include "ui/text.h"

PreviewColor tile_preview_colors[TILE_KIND_COUNT];
bool tile_preview_colors_ready = false;
char preview_map_name[MAP_NAME_MAX + 1] = "";
int preview_tiles[MAP_SIZE][MAP_SIZE];
bool preview_map_read = false;

// The average of the cell's unkeyed pixels; false when all are keyed.
static bool average_cell(int cell, PreviewColor &color)
{
    const SDL_Rect &rect = tile_rects[cell];
    Uint32 key = key_color(tile_image);
    long sum[3] = {0, 0, 0}, count = 0;
    for (int y = rect.y; y < rect.y + rect.h && y < tile_image->h; y++)
        for (int x = rect.x; x < rect.x + rect.w && x < tile_image->w; x++) {
            Uint32 pixel = read_surface_pixel(tile_image, x, y);
            if (pixel == key)
                continue;
            Uint8 rgb[3];
            split_pixel(pixel, tile_image->format, &rgb[0], &rgb[1], &rgb[2]);
            for (int c = 0; c < 3; c++)
                sum[c] += rgb[c];
            count++;
        }
    if (count == 0)
        return false;
    color = {(Uint8)(sum[0] / count), (Uint8)(sum[1] / count), (Uint8)(sum[2] / count)};
    return true;
}

// A wall's own cell is mostly the floor beside it; its top, in the
// overlay's cell, is the wall. A top that is all key falls back on the cell.
void compute_tile_preview_colors()
{
    if (!tile_image)
        return;
    SDL_LockSurface(tile_image);
    for (int kind = 0; kind < TILE_KIND_COUNT; kind++) {
        PreviewColor color = {0, 0, 0};
        if (kind < FIRST_WALL_KIND || !average_cell(kind + WALL_OVERLAY_OFFSET, color))
            average_cell(kind, color);
        if (kind >= FIRST_WALL_KIND)
            color = {(Uint8)(color.r / WALL_SHADE_DIVISOR), (Uint8)(color.g / WALL_SHADE_DIVISOR),
                     (Uint8)(color.b / WALL_SHADE_DIVISOR)};
        tile_preview_colors[kind] = color;
    }
    SDL_UnlockSurface(tile_image);
    tile_preview_colors_ready = true;
}

void forget_map_preview()
{
    preview_map_name[0] = '\0';
    preview_map_read = false;
}

// Read once when the pointer comes to a map, not in every frame.
static void read_preview_map(const char *name)
{
    if (strcmp(preview_map_name, name) == 0)
        return;
    snprintf(preview_map_name, sizeof preview_map_name, "%s", name);
    std::string contents;
    std::string path = std::string(MAP_FOLDER) + "/" + name;
    preview_map_read = read_regular_file(path.c_str(), contents) == 0;
    std::istringstream text(contents);
    read_map_rows(text, preview_tiles);
}

void draw_map_preview(const char *name)
{
    if (!tile_preview_colors_ready)
        compute_tile_preview_colors();
    read_preview_map(name);
    if (!preview_map_read)
        return;
    draw_panel(PREVIEW_X - FRAME_THICKNESS, PREVIEW_Y - FRAME_THICKNESS,
               PREVIEW_SIDE + 2 * FRAME_THICKNESS, PREVIEW_SIDE + 2 * FRAME_THICKNESS);
    Uint32 colors[TILE_KIND_COUNT];
    for (int kind = 0; kind < TILE_KIND_COUNT; kind++) {
        const PreviewColor &c = tile_preview_colors[kind];
        colors[kind] = SDL_MapRGB(display_surface->format, c.r, c.g, c.b);
    }
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++) {
            SDL_Rect tile = {(Sint16)(PREVIEW_X + PREVIEW_TILE_PIXELS * x),
                             (Sint16)(PREVIEW_Y + PREVIEW_TILE_PIXELS * y), PREVIEW_TILE_PIXELS,
                             PREVIEW_TILE_PIXELS};
            SDL_FillRect(display_surface, &tile, colors[preview_tiles[x][y]]);
        }
}

static void draw_best_line(int line, const char *text)
{
    draw_text(PREVIEW_CENTER_X, PREVIEW_BEST_Y + PREVIEW_LINE_GAP * line, text, TEXT_CENTER);
}

void draw_map_best(const char *label, int mode, int players)
{
    const MapRecord *record = find_record(label, mode, players);
    if (!record) {
        draw_best_line(0, "No best yet");
        return;
    }
    char text[48], time_text[DURATION_TEXT_SIZE];
    draw_best_line(0, "Best");
    if (mode == MODE_WAVES)
        snprintf(text, sizeof text, "Wave: %d", record->wave);
    else
        snprintf(text, sizeof text, "Kills: %d", record->kills);
    draw_best_line(1, text);
    format_duration(time_text, sizeof time_text, record->seconds);
    snprintf(text, sizeof text, "Longest: %s", time_text);
    draw_best_line(2, text);
}
