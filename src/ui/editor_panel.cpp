// editor_panel.cpp -- the editor's palette of every tile kind and its row of tools
#include "ui/editor_panel.h"

#include <cstdio>
#include <cstring>

#include "app/artwork.h"
#include "app/display.h"
#include "app/input.h"
#include "app/key_bindings.h"
#include "app/pixels.h"
#include "app/sprite_tables.h"
#include "maps/map_file.h"
#include "maps/tile_names.h"
#include "ui/buttons.h"
#include "ui/editor.h"
#include "ui/overlay.h"
#include "ui/text.h"

int editor_tool = TOOL_PAINT;
bool grid_shown = false;
SDL_Surface *palette_pictures = nullptr;

static const char *const TOOL_LABELS[TOOL_COUNT] = {"Paint", "Rect", "Room", "Fill"};
static const SDLKey TOOL_KEYS[TOOL_COUNT] = {SDLK_p, SDLK_r, SDLK_o, SDLK_b};

static bool is_wall_kind(int kind)
{
    return kind >= TILE_WALL_LEFT_BOTTOM;
}

// Nearest neighbour from the tile's cell, the wall's overlay over it as the
// game draws it over people.
static Uint32 picture_pixel(int kind, int x, int y)
{
    int sx = x * TILE_SIZE / PALETTE_PICTURE, sy = y * TILE_SIZE / PALETTE_PICTURE;
    const SDL_Rect &cell = tile_rects[kind];
    Uint32 pixel = read_surface_pixel(tile_image, cell.x + sx, cell.y + sy);
    if (is_wall_kind(kind)) {
        const SDL_Rect &top = tile_rects[kind + WALL_OVERLAY_OFFSET];
        Uint32 over = read_surface_pixel(tile_image, top.x + sx, top.y + sy);
        if (over != tile_image->format->colorkey)
            pixel = over;
    }
    return pixel;
}

static_assert(TILE_NAME_COUNT == TILE_KIND_COUNT, "every tile kind has a name");

bool editor_button(const EditorRect &r, const char *label)
{
    return draw_button(r.x, r.y, r.w, r.h, label);
}

// Words go onto a line while they fit; each line is centred in the column.
static void draw_tile_name(const char *name)
{
    int y = TILE_NAME_TOP;
    while (*name) {
        int length = (int)strlen(name);
        if (length > TILE_NAME_LINE_CHARS) {
            length = TILE_NAME_LINE_CHARS;
            while (length > 0 && name[length] != ' ')
                length--;
            if (length == 0)
                length = TILE_NAME_LINE_CHARS;  // one word longer than a line is cut
        }
        char line[TILE_NAME_LINE_CHARS + 1];
        snprintf(line, sizeof line, "%.*s", length, name);
        draw_small_text_centred(LAST_TILE_BUTTON.x + LAST_TILE_BUTTON.w / 2, y, line);
        y += TILE_NAME_LINE_HEIGHT;
        name += length;
        while (*name == ' ')
            name++;
    }
}

void draw_tile_column()
{
    if (editor_button(LAST_TILE_BUTTON, "Last tile"))
        selected_tile_kind = selected_tile_kind == 0 ? TILE_KIND_COUNT - 1 : selected_tile_kind - 1;
    draw_panel(PREVIEW_BOX.x, PREVIEW_BOX.y, PREVIEW_BOX.w, PREVIEW_BOX.h);
    blit_at(PREVIEW_X, PREVIEW_Y, tile_image, display_surface, &tile_rects[selected_tile_kind]);
    if (editor_button(NEXT_TILE_BUTTON, "Next tile"))
        selected_tile_kind = selected_tile_kind == TILE_KIND_COUNT - 1 ? 0 : selected_tile_kind + 1;
    draw_tile_name(TILE_NAMES[selected_tile_kind]);
}

static SDL_Rect picture_rect(int kind)
{
    return {(Sint16)(PALETTE_X + kind % PALETTE_COLUMNS * PALETTE_CELL),
            (Sint16)(PALETTE_Y + kind / PALETTE_COLUMNS * PALETTE_CELL), PALETTE_PICTURE,
            PALETTE_PICTURE};
}

static void fill_rect(int x, int y, int w, int h, Uint32 color)
{
    SDL_Rect r = {(Sint16)x, (Sint16)y, (Uint16)w, (Uint16)h};
    SDL_FillRect(display_surface, &r, color);
}

// The panel with every picture, drawn once on the display and kept: a
// frame copies it back whole. tile_image has the display's format, so its
// pixels copy across raw.
void make_palette_pictures()
{
    SDL_FreeSurface(palette_pictures);
    palette_pictures = nullptr;
    if (!tile_image || !display_surface)
        return;
    palette_pictures = create_display_like_surface(PALETTE_PANEL_W, PALETTE_PANEL_H);
    if (!palette_pictures)
        return;
    draw_panel(PALETTE_PANEL_X, PALETTE_PANEL_Y, PALETTE_PANEL_W, PALETTE_PANEL_H);
    for (int kind = 0; kind < TILE_KIND_COUNT; kind++) {
        SDL_Rect at = picture_rect(kind);
        for (int y = 0; y < PALETTE_PICTURE; y++)
            for (int x = 0; x < PALETTE_PICTURE; x++)
                write_surface_pixel(display_surface, at.x + x, at.y + y, picture_pixel(kind, x, y));
    }
    SDL_Rect panel = {PALETTE_PANEL_X, PALETTE_PANEL_Y, PALETTE_PANEL_W, PALETTE_PANEL_H};
    copy_pixels(display_surface, panel, palette_pictures, 0, 0);
}

bool pointer_over_palette()
{
    return PALETTE_PANEL_X < mouse_x[0] && mouse_x[0] < PALETTE_PANEL_X + PALETTE_PANEL_W &&
           PALETTE_PANEL_Y < mouse_y[0] && mouse_y[0] < PALETTE_PANEL_Y + PALETTE_PANEL_H;
}

// The kind whose picture, or the gap right and below it, has the pointer.
static int kind_under_pointer()
{
    int column = (mouse_x[0] - PALETTE_X) / PALETTE_CELL,
        row = (mouse_y[0] - PALETTE_Y) / PALETTE_CELL;
    if (mouse_x[0] < PALETTE_X || mouse_y[0] < PALETTE_Y || column >= PALETTE_COLUMNS)
        return -1;
    int kind = row * PALETTE_COLUMNS + column;
    return kind < TILE_KIND_COUNT ? kind : -1;
}

// The selected picture is copied again over its frame.
void draw_palette()
{
    SDL_Rect panel = {0, 0, PALETTE_PANEL_W, PALETTE_PANEL_H};
    copy_pixels(palette_pictures, panel, display_surface, PALETTE_PANEL_X, PALETTE_PANEL_Y);
    SDL_Rect chosen = picture_rect(selected_tile_kind);
    fill_rect(chosen.x - PALETTE_FRAME, chosen.y - PALETTE_FRAME,
              PALETTE_PICTURE + 2 * PALETTE_FRAME, PALETTE_PICTURE + 2 * PALETTE_FRAME,
              SDL_MapRGB(display_surface->format, 255, 208, 64));
    SDL_Rect inside = {(Sint16)(chosen.x - PALETTE_PANEL_X), (Sint16)(chosen.y - PALETTE_PANEL_Y),
                       PALETTE_PICTURE, PALETTE_PICTURE};
    copy_pixels(palette_pictures, inside, display_surface, chosen.x, chosen.y);
    int kind = pointer_over_palette() ? kind_under_pointer() : -1;
    if (kind >= 0 && clicked(mouse_button_state[SDL_BUTTON_LEFT] == KEY_PRESSED))
        selected_tile_kind = kind;
}

static SDL_Rect tool_rect(int tool)
{
    return {TOOL_BUTTON_X, (Sint16)(TOOL_BUTTON_TOP + tool * TOOL_BUTTON_STEP), TOOL_BUTTON_W,
            TOOL_BUTTON_H};
}

bool pointer_over_tool_row()
{
    int bottom = GRID_BUTTON_Y + TOOL_BUTTON_H;
    return TOOL_BUTTON_X < mouse_x[0] && mouse_x[0] < TOOL_BUTTON_X + TOOL_BUTTON_W &&
           TOOL_BUTTON_TOP < mouse_y[0] && mouse_y[0] < bottom;
}

void draw_tool_row()
{
    for (int tool = 0; tool < TOOL_COUNT; tool++) {
        SDL_Rect r = tool_rect(tool);
        if (draw_toggle_button(r.x, r.y, r.w, r.h, TOOL_LABELS[tool], editor_tool == tool))
            editor_tool = tool;
    }
    if (draw_toggle_button(TOOL_BUTTON_X, GRID_BUTTON_Y, TOOL_BUTTON_W, TOOL_BUTTON_H, "Grid",
                           grid_shown))
        grid_shown = !grid_shown;
}

// A tool key bound to walking scrolls instead.
static bool free_key_pressed(int symbol)
{
    for (int action = ACTION_UP; action <= ACTION_RIGHT; action++)
        if (key_bindings[action] == symbol)
            return false;
    return key_state[symbol] == KEY_PRESSED;
}

void panel_keys()
{
    if (SDL_GetModState() & KMOD_CTRL)
        return;  // Ctrl with a letter is the editor's own
    for (int digit = 0; digit < PALETTE_COLUMNS; digit++) {
        int column = (digit + PALETTE_COLUMNS - 1) % PALETTE_COLUMNS;  // 1 is the first, 0 the last
        if (!free_key_pressed(SDLK_0 + digit))
            continue;
        bool in_column = selected_tile_kind % PALETTE_COLUMNS == column;
        int next = in_column ? selected_tile_kind + PALETTE_COLUMNS : column;
        selected_tile_kind = next < TILE_KIND_COUNT ? next : column;
    }
    if (mouse_wheel && (SDL_GetModState() & KMOD_SHIFT))
        selected_tile_kind =
            ((selected_tile_kind + mouse_wheel) % TILE_KIND_COUNT + TILE_KIND_COUNT) %
            TILE_KIND_COUNT;
    for (int tool = 0; tool < TOOL_COUNT; tool++)
        if (free_key_pressed(TOOL_KEYS[tool]))
            editor_tool = tool;
    if (free_key_pressed(SDLK_f))
        grid_shown = !grid_shown;
}
