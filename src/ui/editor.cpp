// editor.cpp -- the map editor: scroll and zoom over the world, paint and shape tiles, undo, save, play-test
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
#include "maps/editor_camera.h"
#include "maps/editor_tools.h"
#include "maps/editor_view.h"
#include "maps/map_file.h"
#include "ui/buttons.h"
#include "ui/editor_marks.h"
#include "ui/editor_panel.h"
#include "ui/map_choice.h"
#include "ui/name_field.h"
#include "ui/notice.h"
#include "ui/overlay.h"
#include "ui/save_as.h"
#include "ui/save_notices.h"
#include "ui/screens.h"
#include "ui/text.h"

int selected_tile_kind = 0;
bool paint_armed = false;
bool leave_asked = false;
bool play_asked = false;
bool drag_active = false;
int drag_x = 0, drag_y = 0;
bool playtest_active = false;
EditorView playtest_view;

const EditorRect PLAY_BUTTON = {500, 250, 100, 20};
const EditorRect SAVE_AS_BUTTON = {500, 280, 100, 20};
const EditorRect ZOOM_IN_BUTTON = {500, 310, 100, 20};
const EditorRect ZOOM_OUT_BUTTON = {500, 340, 100, 20};
const EditorRect SAVE_BUTTON = {500, 370, 100, 20};
const EditorRect BACK_BUTTON = {CORNER_BUTTON_X, CORNER_BUTTON_Y, CORNER_BUTTON_W, CORNER_BUTTON_H};
const EditorRect STATUS_BOX = {40, 425, 560, 20};
const int STATUS_TEXT_X = 40, STATUS_TEXT_Y = 420;
// A question is longer than the status box holds in the big font: it is
// shown in the small font, in a box widened to fit it.
const EditorRect QUESTION_BOX = {20, 425, 600, 20};
const int QUESTION_TEXT_Y = 427;

static const EditorRect *const editor_controls[] = {
    &LAST_TILE_BUTTON, &PREVIEW_BOX,     &NEXT_TILE_BUTTON, &PLAY_BUTTON, &SAVE_AS_BUTTON,
    &ZOOM_IN_BUTTON,   &ZOOM_OUT_BUTTON, &SAVE_BUTTON,      &BACK_BUTTON, &STATUS_BOX,
};

static void reset_view()
{
    camera_x = CENTRED_CAMERA_X;
    camera_y = CENTRED_CAMERA_Y;
    view_scale = EDITOR_START_SCALE;
}

static void reset_session()
{
    paint_armed = leave_asked = play_asked = drag_active = false;
}

// The click that picked the map is usually still down when the editor's
// first frame runs: it must not paint.
void enter_editor()
{
    if (!open_chosen_map(SCREEN_CHOOSE_MAP_TO_EDIT))
        return;
    selected_tile_kind = 0;
    editor_tool = TOOL_PAINT;
    render_world_surface();
    make_palette_pictures();
    reset_view();
    clear_edit_history();
    reset_session();
    close_name_field();
    playtest_active = false;
    screen_number = SCREEN_EDITOR;
}

static void leave_editor()
{
    clear_edit_history();
    leave_asked = false;
    screen_number = SCREEN_MAIN_MENU;
}

// The map as the game found it in its file is the map as saved: the
// picture is painted again (the game left its blood on it), the history
// and the view are kept.
void return_to_editor()
{
    playtest_active = false;
    render_world_surface();
    camera_x = playtest_view.camera_x;
    camera_y = playtest_view.camera_y;
    view_scale = playtest_view.scale;
    selected_tile_kind = playtest_view.kind;
    editor_tool = playtest_view.tool;
    player_count = 1;
    reset_session();
    screen_number = SCREEN_EDITOR;
}

// Unsaved edits are saved first; a save that fails keeps the editor.
static void start_playtest()
{
    if (has_unsaved_edits()) {
        if (!save_map_with_notice())
            return;
        mark_history_saved();
    }
    playtest_view = {camera_x, camera_y, view_scale, selected_tile_kind, editor_tool};
    playtest_active = true;
    player_count = 1;
    game_mode = MODE_CLASSIC;
    end_stroke();
    screen_number = SCREEN_START_GAME;
}

// The view moves 7.5 screen pixels per frame at every zoom, as far as the
// limits that keep the map in sight.
static void scroll_view(float speed_factor)
{
    int direction = keyboard_direction();
    if (direction == NO_DIRECTION)
        return;
    float step = view_scale * EDITOR_SCROLL_SPEED * speed_factor;
    double angle = direction * DEGREES_TO_RADIANS;
    camera_x = (float)(camera_x + cos(angle) * step);
    camera_y = (float)(camera_y + sin(angle) * step);
    clamp_editor_view();
}

static bool key_pressed(int symbol)
{
    return key_state[symbol] == KEY_PRESSED;
}

// Ctrl+Z undoes the last stroke; Ctrl+Y or Ctrl+Shift+Z redoes it. Home
// shows the whole map. The wheel zooms about the pointer; with Shift it
// steps through the kinds instead.
static void editor_keys()
{
    SDLMod mods = SDL_GetModState();
    bool ctrl = (mods & KMOD_CTRL) != 0, shift = (mods & KMOD_SHIFT) != 0;
    if (ctrl && key_pressed(SDLK_z) && !shift && undo_stroke())
        leave_asked = play_asked = false;
    if (ctrl && (key_pressed(SDLK_y) || (key_pressed(SDLK_z) && shift)) && redo_stroke())
        leave_asked = play_asked = false;
    if (key_pressed(SDLK_HOME))
        show_whole_map();
    if (mouse_wheel && !shift)
        zoom_view_about(mouse_x[0], mouse_y[0], pow(1.0 + WHEEL_ZOOM_STEP, mouse_wheel));
    panel_keys();
}

// The same strict test as a button's hover, over every control of the layout.
static bool pointer_over_editor_controls()
{
    for (const EditorRect *r : editor_controls) {
        if (r->x < mouse_x[0] && mouse_x[0] < r->x + r->w && r->y < mouse_y[0] &&
            mouse_y[0] < r->y + r->h)
            return true;
    }
    return pointer_over_palette() || pointer_over_tool_row();
}

// The tile under the pointer; false where the pointer is off the map.
static bool tile_under_pointer(int &tx, int &ty)
{
    float px, py;
    screen_to_world(mouse_x[0], mouse_y[0], px, py);
    tx = (int)floorf(px / TILE_SIZE);
    ty = (int)floorf(py / TILE_SIZE);
    return px >= 0.0f && px < (float)WORLD_PIXELS && py >= 0.0f && py < (float)WORLD_PIXELS;
}

static void edited()
{
    leave_asked = play_asked = false;
}

// A rectangle or a room follows the pointer while the button stays down
// and is made where it is let go, off the map too (the span is clamped).
static void drag_shape(int button, bool on_map, int tx, int ty)
{
    if (!drag_active) {
        if (button == KEY_PRESSED && on_map) {
            drag_active = true;
            drag_x = tx, drag_y = ty;
        }
        return;
    }
    if (button != KEY_UP)
        return;
    drag_active = false;
    TileSpan span = span_between(drag_x, drag_y, tx, ty);
    if (editor_tool == TOOL_RECTANGLE)
        fill_span(span, selected_tile_kind);
    else if (!build_room(span))
        show_notice("A room needs two tiles each way");
    edited();
}

// Everything painted while the button stays down is one stroke for undo.
// A button already down when the editor began does nothing until released
// and pressed again. The right button takes the kind under the pointer.
static void use_tool()
{
    int button = mouse_button_state[SDL_BUTTON_LEFT], tx, ty;
    if (button != KEY_HELD) {
        end_stroke();
        paint_armed = true;
    }
    bool over_controls = pointer_over_editor_controls(), on_map = tile_under_pointer(tx, ty);
    bool free = paint_armed && !over_controls && on_map;
    if (mouse_button_state[SDL_BUTTON_RIGHT] == KEY_PRESSED && !over_controls && on_map)
        selected_tile_kind = map_tiles[tx][ty];
    bool shaping = editor_tool == TOOL_RECTANGLE || editor_tool == TOOL_ROOM;
    drag_active = drag_active && shaping;  // a tool changed by key mid-drag drops the shape
    if (shaping)
        drag_shape(paint_armed ? button : KEY_HELD, on_map && !over_controls, tx, ty);
    else if (editor_tool == TOOL_FILL && free && button == KEY_PRESSED &&
             flood_fill(tx, ty, selected_tile_kind))
        edited();
    else if (editor_tool == TOOL_PAINT && free && button != KEY_UP &&
             paint_tile(tx, ty, selected_tile_kind))
        edited();
}

// The tile the pointer would change, or the shape being dragged.
static void draw_marks()
{
    if (grid_shown)
        draw_tile_grid();
    int tx, ty;
    bool on_map = tile_under_pointer(tx, ty);
    if (drag_active)
        frame_tiles(span_between(drag_x, drag_y, tx, ty));
    else if (on_map && !pointer_over_editor_controls())
        frame_tiles({tx, ty, tx, ty});
}

static bool editor_hold_button(const EditorRect &r, const char *label)
{
    return draw_hold_button(r.x, r.y, r.w, r.h, label);
}

// Zooming stops at the limits that keep the map in sight.
static void draw_view_column()
{
    if (editor_button(PLAY_BUTTON, "Play")) {
        if (has_unsaved_edits() && !play_asked)
            play_asked = true, leave_asked = false;
        else
            start_playtest();
    }
    if (editor_button(SAVE_AS_BUTTON, "Save as")) {
        open_save_as();
        leave_asked = play_asked = false;
    }
    if (editor_hold_button(ZOOM_IN_BUTTON, "Zoom in"))
        zoom_view_about(VIEW_CENTER_X, VIEW_CENTER_Y, 1.0 - ZOOM_STEP);
    if (editor_hold_button(ZOOM_OUT_BUTTON, "Zoom out"))
        zoom_view_about(VIEW_CENTER_X, VIEW_CENTER_Y, 1.0 + ZOOM_STEP);
    if (editor_button(SAVE_BUTTON, "Save")) {
        if (save_map_with_notice())
            mark_history_saved();
        leave_asked = play_asked = false;
    }
    if (editor_button(BACK_BUTTON, "Back") || clicked(back_pressed())) {
        if (has_unsaved_edits() && !leave_asked)
            leave_asked = true, play_asked = false;
        else
            leave_editor();
    }
}

void editor_status_text(char *text, int size)
{
    if (leave_asked || play_asked)
        snprintf(text, (size_t)size, "%s", leave_asked ? LEAVE_QUESTION : PLAY_QUESTION);
    else
        snprintf(text, (size_t)size, "%s%s", map_path, has_unsaved_edits() ? UNSAVED_MARK : "");
}

static void draw_status_line()
{
    char text[STATUS_TEXT_SIZE];
    editor_status_text(text, sizeof text);
    if (leave_asked || play_asked) {
        draw_panel(QUESTION_BOX.x, QUESTION_BOX.y, QUESTION_BOX.w, QUESTION_BOX.h);
        draw_small_text_centred(QUESTION_BOX.x + QUESTION_BOX.w / 2, QUESTION_TEXT_Y, text);
    } else {
        draw_panel(STATUS_BOX.x, STATUS_BOX.y, STATUS_BOX.w, STATUS_BOX.h);
        draw_text(STATUS_TEXT_X, STATUS_TEXT_Y, text, TEXT_LEFT);
    }
}

// While "Save as" asks for a name the map stands still under the field,
// and the controls drawn around it take no click and no pad's B. A copy
// saved is the map being edited, with nothing unsaved.
void editor_screen(float speed_factor)
{
    bool asking = name_field_open, pads_point = pads_drive_pointer;
    int left = mouse_button_state[SDL_BUTTON_LEFT];
    if (!world_view_fills_display())
        blit_at(0, 0, background_image, display_surface, nullptr);
    if (!asking) {
        scroll_view(speed_factor);
        editor_keys();
    }
    draw_world_view();
    if (!asking) {
        use_tool();
        draw_marks();
    } else {
        mouse_button_state[SDL_BUTTON_LEFT] = KEY_UP;
        pads_drive_pointer = false;
    }
    draw_tile_column();
    draw_palette();
    draw_tool_row();
    draw_view_column();
    draw_status_line();
    mouse_button_state[SDL_BUTTON_LEFT] = left;
    pads_drive_pointer = pads_point;
    if (asking && run_save_as())
        mark_history_saved();
}
