// editor.h -- the map editor: scroll and zoom over the world, paint and shape tiles, undo, save, play-test
#pragma once

#include "maps/map_file.h"

const float EDITOR_SCROLL_SPEED = 7.5f;  // screen pixels per frame at speed factor 1
const double ZOOM_STEP = 0.05;           // share of the scale one zoom frame changes
const float EDITOR_START_SCALE = 4.0f;   // the whole world shows, centred
const char LEAVE_QUESTION[] = "Unsaved changes: press Back again to leave without saving";
const char PLAY_QUESTION[] = "Unsaved changes: press Play again to save them and play";
const char UNSAVED_MARK[] = " *";  // after the path while edits are unsaved
const int STATUS_TEXT_SIZE = MAP_PATH_SIZE + sizeof UNSAVED_MARK;

// Per editing session
extern int selected_tile_kind;  // the kind painting writes, 0 to 21
extern bool paint_armed;  // the left button was seen up or pressed here: a held click never paints
extern bool leave_asked;  // "Back" met unsaved edits once; a second "Back" leaves
extern bool play_asked;   // "Play" met unsaved edits once; a second saves and plays
extern bool drag_active;  // a rectangle or room is being dragged
extern int drag_x, drag_y;  // the tile where the drag began

// What a play-test comes back to
struct EditorView {
    float camera_x, camera_y, scale;
    int kind, tool;
};
extern bool playtest_active;  // the game running was started by the editor's "Play"
extern EditorView playtest_view;

void enter_editor();
void editor_screen(float speed_factor);
// The end of a play-test: the editor again, on the same map and view.
void return_to_editor();
// The status line: the map's path, marked while edits are unsaved, or the
// question while "Back" waits for a second press.
void editor_status_text(char *text, int size);
