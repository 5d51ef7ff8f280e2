// editor.cpp -- the map editor: scroll and zoom over the world, paint tiles, save
#include "maps/editor.h"

#include <cmath>
#include <cstring>

#include "app/assets.h"
#include "app/display.h"
#include "app/input.h"
#include "app/main_loop.h"
#include "game/world.h"
#include "maps/map_file.h"
#include "ui/buttons.h"
#include "ui/text.h"

int selected_tile_kind = 0;

const int PREVIEW_X = 45, PREVIEW_Y = 70;  // the tile inside the preview box

// The editor's screen layout: a rectangle per control.
struct EditorRect {
    int x, y, w, h;
};

const EditorRect LAST_TILE_BUTTON = {40, 35, 110, 20};
const EditorRect PREVIEW_BOX = {40, 65, 110, 110};
const EditorRect NEXT_TILE_BUTTON = {40, 185, 110, 20};
const EditorRect ZOOM_IN_BUTTON = {500, 310, 100, 20};
const EditorRect ZOOM_OUT_BUTTON = {500, 340, 100, 20};
const EditorRect SAVE_BUTTON = {500, 370, 100, 20};
const EditorRect BACK_BUTTON = {500, 400, 100, 20};
const EditorRect STATUS_BOX = {40, 425, 560, 20};
const int STATUS_TEXT_X = 40, STATUS_TEXT_Y = 420;

static const EditorRect *const editor_controls[] = {
    &LAST_TILE_BUTTON, &PREVIEW_BOX,  &NEXT_TILE_BUTTON, &ZOOM_IN_BUTTON,
    &ZOOM_OUT_BUTTON,  &SAVE_BUTTON, &BACK_BUTTON,      &STATUS_BOX,
};

void enter_editor()
{
    selected_tile_kind = 0;
    load_map();
    render_world_surface();
    camera_x = EDITOR_START_CAMERA_X;
    camera_y = EDITOR_START_CAMERA_Y;
    view_scale = EDITOR_START_SCALE;
    screen_number = SCREEN_EDITOR;
}

// The view moves 7.5 screen pixels per frame at every zoom; it may leave the world.
static void scroll_view(float speed_factor)
{
    int direction = keyboard_direction();
    if (direction == NO_DIRECTION)
        return;
    float step = view_scale * EDITOR_SCROLL_SPEED * speed_factor;
    double angle = direction * DEGREES_TO_RADIANS;
    camera_x = (float)(camera_x + cos(angle) * step);
    camera_y = (float)(camera_y + sin(angle) * step);
}

// Sample positions of one axis: the world coordinate of screen position i is
// start + (i + 1) z, accumulated in single precision. Positions outside the
// world surface (strictly between 0 and its size) get -1: the background shows.
static void world_samples(int *index, int count, float start, float scale, int world_size)
{
    float position = start;
    for (int i = 0; i < count; i++) {
        position = position + scale;
        index[i] = position > 0.0f && position < (float)world_size ? (int)position : -1;
    }
}

// The columns that sample the world form one span (positions grow
// monotonically). At a whole-number scale they also sample world columns a
// fixed step apart: a step of 1 is a straight copy.
struct ColumnSpan {
    int first, end;  // output columns first .. end - 1 show the world
    int step;        // column j samples column_source[first] + step (j - first); 0: no fixed step
};

static ColumnSpan find_column_span(const int *column_source)
{
    ColumnSpan span = {0, 0, 0};
    while (span.first < VIEW_W && column_source[span.first] < 0)
        span.first++;
    span.end = span.first;
    while (span.end < VIEW_W && column_source[span.end] >= 0)
        span.end++;
    if (span.end - span.first >= 2) {
        span.step = column_source[span.first + 1] - column_source[span.first];
        for (int j = span.first + 1; j < span.end && span.step > 0; j++) {
            if (column_source[j] - column_source[j - 1] != span.step)
                span.step = 0;
        }
    }
    return span;
}

// The next world row is fetched while this one is copied: the world surface
// is far larger than any cache and its rows are far apart.
static void prefetch_world_row(const Uint8 *row, int bytes)
{
    for (int offset = 0; offset < bytes; offset += 64)
        __builtin_prefetch(row + offset);
}

const int PREFETCH_ROWS_AHEAD = 1;

template <typename Pixel>
static void copy_view_rows(const int *column_source, const int *row_source, int bytes_per_pixel)
{
    ColumnSpan span = find_column_span(column_source);
    if (span.first == span.end)
        return;
    int first_source = column_source[span.first];
    int source_bytes = (column_source[span.end - 1] - first_source + 1) * bytes_per_pixel;
    for (int i = 0; i < VIEW_H; i++) {
        if (row_source[i] < 0)
            continue;
        Uint8 *out = (Uint8 *)display_surface->pixels + i * display_surface->pitch;
        // Magnified rows repeat: copy the row just drawn instead of sampling again.
        if (i > 0 && row_source[i] == row_source[i - 1]) {
            memcpy(out + span.first * bytes_per_pixel, out - display_surface->pitch + span.first * bytes_per_pixel,
                   (size_t)(span.end - span.first) * bytes_per_pixel);
            continue;
        }
        const Uint8 *world_row = (const Uint8 *)world_surface->pixels + row_source[i] * world_surface->pitch;
        int ahead = i + PREFETCH_ROWS_AHEAD;
        if (ahead < VIEW_H && row_source[ahead] >= 0 && row_source[ahead] != row_source[ahead - 1])
            prefetch_world_row((const Uint8 *)world_surface->pixels + row_source[ahead] * world_surface->pitch +
                                   first_source * bytes_per_pixel,
                               source_bytes);
        if (span.step == 1) {
            memcpy(out + span.first * bytes_per_pixel, world_row + first_source * bytes_per_pixel,
                   (size_t)(span.end - span.first) * bytes_per_pixel);
        } else if (bytes_per_pixel == 3) {
            for (int j = span.first; j < span.end; j++)
                memcpy(out + 3 * j, world_row + 3 * column_source[j], 3);
        } else {
            Pixel *out_pixels = (Pixel *)out + span.first;
            const Pixel *world_pixels = (const Pixel *)world_row;
            int count = span.end - span.first;
            if (span.step > 1) {
                const Pixel *source = world_pixels + first_source;
                for (int j = 0; j < count; j++)
                    out_pixels[j] = source[span.step * j];
            } else {
                for (int j = 0; j < count; j++)
                    out_pixels[j] = world_pixels[column_source[span.first + j]];
            }
        }
    }
}

// Nearest-neighbour scaling of world_surface onto the display about the
// screen centre; where the view leaves the world the background shows.
void draw_world_view()
{
    if (!world_surface || world_surface->format->BytesPerPixel != display_surface->format->BytesPerPixel)
        return;
    float z = view_scale;
    int column_source[VIEW_W], row_source[VIEW_H];
    world_samples(column_source, VIEW_W, camera_x + VIEW_CENTER_X - VIEW_CENTER_X * z, z, world_surface->w);
    world_samples(row_source, VIEW_H, camera_y + VIEW_CENTER_Y - VIEW_CENTER_Y * z, z, world_surface->h);
    SDL_LockSurface(world_surface);
    SDL_LockSurface(display_surface);
    switch (display_surface->format->BytesPerPixel) {
    case 1: copy_view_rows<Uint8>(column_source, row_source, 1); break;
    case 2: copy_view_rows<Uint16>(column_source, row_source, 2); break;
    case 3: copy_view_rows<Uint8>(column_source, row_source, 3); break;
    case 4: copy_view_rows<Uint32>(column_source, row_source, 4); break;
    }
    SDL_UnlockSurface(display_surface);
    SDL_UnlockSurface(world_surface);
}

// The same strict test as a button's hover, over every control of the layout.
static bool pointer_over_editor_controls()
{
    for (const EditorRect *r : editor_controls) {
        if (r->x < mouse_x[0] && mouse_x[0] < r->x + r->w && r->y < mouse_y[0] && mouse_y[0] < r->y + r->h)
            return true;
    }
    return false;
}

// A point outside the world changes nothing: no tile off the grid is written.
static void paint_under_pointer()
{
    float z = view_scale;
    float px = camera_x + VIEW_CENTER_X + (mouse_x[0] - VIEW_CENTER_X) * z;
    float py = camera_y + VIEW_CENTER_Y + (mouse_y[0] - VIEW_CENTER_Y) * z;
    if (!(px >= 0.0f && px < (float)WORLD_PIXELS && py >= 0.0f && py < (float)WORLD_PIXELS))
        return;
    int tx = (int)(px / TILE_SIZE), ty = (int)(py / TILE_SIZE);
    map_tiles[tx][ty] = selected_tile_kind;
    draw_tile(tx, ty);
}

static bool editor_button(const EditorRect &r, const char *label)
{
    return draw_button(r.x, r.y, r.w, r.h, label);
}

static bool editor_hold_button(const EditorRect &r, const char *label)
{
    return draw_hold_button(r.x, r.y, r.w, r.h, label);
}

// "Last tile" shows in the preview in the same frame, "Next tile" in the next.
static void draw_tile_column()
{
    if (editor_button(LAST_TILE_BUTTON, "Last tile"))
        selected_tile_kind = selected_tile_kind == 0 ? TILE_KIND_COUNT - 1 : selected_tile_kind - 1;
    draw_panel(PREVIEW_BOX.x, PREVIEW_BOX.y, PREVIEW_BOX.w, PREVIEW_BOX.h);
    blit_at(PREVIEW_X, PREVIEW_Y, tile_image, display_surface, &tile_rects[selected_tile_kind]);
    if (editor_button(NEXT_TILE_BUTTON, "Next tile"))
        selected_tile_kind = selected_tile_kind == TILE_KIND_COUNT - 1 ? 0 : selected_tile_kind + 1;
}

static void draw_view_column()
{
    if (editor_hold_button(ZOOM_IN_BUTTON, "Zoom in"))
        view_scale = (float)(view_scale - view_scale * ZOOM_STEP);
    if (editor_hold_button(ZOOM_OUT_BUTTON, "Zoom out"))
        view_scale = (float)(view_scale + view_scale * ZOOM_STEP);
    if (editor_button(SAVE_BUTTON, "Save"))
        save_map();
    if (editor_button(BACK_BUTTON, "Back"))
        screen_number = SCREEN_MAIN_MENU;
}

void editor_screen(float speed_factor)
{
    blit_at(0, 0, background_image, display_surface, nullptr);
    scroll_view(speed_factor);
    draw_world_view();
    if (!pointer_over_editor_controls() && mouse_button_state[SDL_BUTTON_LEFT] != KEY_UP)
        paint_under_pointer();
    draw_tile_column();
    draw_view_column();
    draw_panel(STATUS_BOX.x, STATUS_BOX.y, STATUS_BOX.w, STATUS_BOX.h);
    draw_text(STATUS_TEXT_X, STATUS_TEXT_Y, map_path, TEXT_LEFT);
}
