// editor.cpp -- the map editor: scroll and zoom over the world, paint tiles, undo, save, make new maps
#include "ui/editor.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "app/artwork.h"
#include "app/display.h"
#include "app/input.h"
#include "app/sprite_tables.h"
#include "game/world.h"
#include "maps/edit_history.h"
#include "maps/editor_view.h"
#include "maps/map_file.h"
#include "maps/tile_names.h"
#include "ui/buttons.h"
#include "ui/map_choice.h"
#include "ui/notice.h"
#include "ui/overlay.h"
#include "ui/save_notices.h"
#include "ui/screens.h"
#include "ui/text.h"

static_assert(TILE_NAME_COUNT == TILE_KIND_COUNT, "every tile kind has a name");

int selected_tile_kind = 0;
bool paint_armed = false;
bool leave_asked = false;

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
const EditorRect BACK_BUTTON = {CORNER_BUTTON_X, CORNER_BUTTON_Y, CORNER_BUTTON_W, CORNER_BUTTON_H};
const EditorRect STATUS_BOX = {40, 425, 560, 20};
const int STATUS_TEXT_X = 40, STATUS_TEXT_Y = 420;
// The question is longer than the status box holds in the big font: it is
// shown in the small font, in a box widened to fit it.
const EditorRect QUESTION_BOX = {20, 425, 600, 20};
const int QUESTION_TEXT_Y = 427;
// The selected kind's name under "Next tile", in the small font, wrapped
// to the column's width and centred in it.
const int TILE_NAME_TOP = 212;
const int TILE_NAME_LINE_HEIGHT = 16;
const int TILE_NAME_LINE_CHARS = 11;  // 110 pixels of 10-pixel characters

static const EditorRect *const editor_controls[] = {
    &LAST_TILE_BUTTON, &PREVIEW_BOX, &NEXT_TILE_BUTTON, &ZOOM_IN_BUTTON,
    &ZOOM_OUT_BUTTON,  &SAVE_BUTTON, &BACK_BUTTON,      &STATUS_BOX,
};

static void reset_view()
{
    camera_x = CENTRED_CAMERA_X;
    camera_y = CENTRED_CAMERA_Y;
    view_scale = EDITOR_START_SCALE;
}

// The click that picked the map is usually still down when the editor's
// first frame runs: it must not paint.
void enter_editor()
{
    if (!open_chosen_map(SCREEN_CHOOSE_MAP_TO_EDIT))
        return;
    selected_tile_kind = 0;
    render_world_surface();
    reset_view();
    clear_edit_history();
    paint_armed = false;
    leave_asked = false;
    screen_number = SCREEN_EDITOR;
}

static void leave_editor()
{
    clear_edit_history();
    leave_asked = false;
    screen_number = SCREEN_MAIN_MENU;
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

static bool key_pressed(int symbol)
{
    return key_state[symbol] == KEY_PRESSED;
}

// Ctrl+Z undoes the last stroke; Ctrl+Y or Ctrl+Shift+Z redoes it. Home
// brings back the view of the editor's entry.
static void editor_keys()
{
    SDLMod mods = SDL_GetModState();
    bool ctrl = (mods & KMOD_CTRL) != 0, shift = (mods & KMOD_SHIFT) != 0;
    if (ctrl && key_pressed(SDLK_z) && !shift && undo_stroke())
        leave_asked = false;
    if (ctrl && (key_pressed(SDLK_y) || (key_pressed(SDLK_z) && shift)) && redo_stroke())
        leave_asked = false;
    if (key_pressed(SDLK_HOME))
        reset_view();
}

// The same strict test as a button's hover, over every control of the layout.
static bool pointer_over_editor_controls()
{
    for (const EditorRect *r : editor_controls) {
        if (r->x < mouse_x[0] && mouse_x[0] < r->x + r->w && r->y < mouse_y[0] &&
            mouse_y[0] < r->y + r->h)
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
    paint_tile((int)(px / TILE_SIZE), (int)(py / TILE_SIZE), selected_tile_kind);
    leave_asked = false;
}

// Everything painted while the button stays down is one stroke for undo.
// A button already down when the editor began paints only once released
// and pressed again.
static void paint()
{
    int button = mouse_button_state[SDL_BUTTON_LEFT];
    if (button != KEY_HELD) {
        end_stroke();
        paint_armed = true;
    }
    if (paint_armed && button != KEY_UP && !pointer_over_editor_controls())
        paint_under_pointer();
}

static bool editor_button(const EditorRect &r, const char *label)
{
    return draw_button(r.x, r.y, r.w, r.h, label);
}

static bool editor_hold_button(const EditorRect &r, const char *label)
{
    return draw_hold_button(r.x, r.y, r.w, r.h, label);
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

// "Last tile" shows in the preview in the same frame, "Next tile" in the next.
static void draw_tile_column()
{
    if (editor_button(LAST_TILE_BUTTON, "Last tile"))
        selected_tile_kind = selected_tile_kind == 0 ? TILE_KIND_COUNT - 1 : selected_tile_kind - 1;
    draw_panel(PREVIEW_BOX.x, PREVIEW_BOX.y, PREVIEW_BOX.w, PREVIEW_BOX.h);
    blit_at(PREVIEW_X, PREVIEW_Y, tile_image, display_surface, &tile_rects[selected_tile_kind]);
    if (editor_button(NEXT_TILE_BUTTON, "Next tile"))
        selected_tile_kind = selected_tile_kind == TILE_KIND_COUNT - 1 ? 0 : selected_tile_kind + 1;
    draw_tile_name(TILE_NAMES[selected_tile_kind]);
}

static void draw_view_column()
{
    if (editor_hold_button(ZOOM_IN_BUTTON, "Zoom in"))
        view_scale = (float)(view_scale - view_scale * ZOOM_STEP);
    if (editor_hold_button(ZOOM_OUT_BUTTON, "Zoom out"))
        view_scale = (float)(view_scale + view_scale * ZOOM_STEP);
    if (editor_button(SAVE_BUTTON, "Save")) {
        if (save_map_with_notice())
            mark_history_saved();
        leave_asked = false;
    }
    if (editor_button(BACK_BUTTON, "Back") || clicked(back_pressed())) {
        if (has_unsaved_edits() && !leave_asked)
            leave_asked = true;
        else
            leave_editor();
    }
}

void editor_status_text(char *text, int size)
{
    if (leave_asked)
        snprintf(text, (size_t)size, "%s", LEAVE_QUESTION);
    else
        snprintf(text, (size_t)size, "%s%s", map_path, has_unsaved_edits() ? UNSAVED_MARK : "");
}

static void draw_status_line()
{
    char text[STATUS_TEXT_SIZE];
    editor_status_text(text, sizeof text);
    if (leave_asked) {
        draw_panel(QUESTION_BOX.x, QUESTION_BOX.y, QUESTION_BOX.w, QUESTION_BOX.h);
        draw_small_text_centred(QUESTION_BOX.x + QUESTION_BOX.w / 2, QUESTION_TEXT_Y, text);
    } else {
        draw_panel(STATUS_BOX.x, STATUS_BOX.y, STATUS_BOX.w, STATUS_BOX.h);
        draw_text(STATUS_TEXT_X, STATUS_TEXT_Y, text, TEXT_LEFT);
    }
}

void editor_screen(float speed_factor)
{
    blit_at(0, 0, background_image, display_surface, nullptr);
    scroll_view(speed_factor);
    editor_keys();
    draw_world_view();
    paint();
    draw_tile_column();
    draw_view_column();
    draw_status_line();
}
