// editor.h -- the map editor: scroll and zoom over the world, paint tiles, undo, save, make new maps
#pragma once

#include "maps/map_file.h"

const float EDITOR_SCROLL_SPEED = 7.5f;  // screen pixels per frame at speed factor 1
const double ZOOM_STEP = 0.05;           // share of the scale one zoom frame changes
const float EDITOR_START_SCALE = 4.0f;   // the whole world shows, centred
const char LEAVE_QUESTION[] = "Unsaved changes: press Back again to leave without saving";
const char UNSAVED_MARK[] = " *";  // after the path while edits are unsaved
const int STATUS_TEXT_SIZE = MAP_PATH_SIZE + sizeof UNSAVED_MARK;

// Per editing session
extern int selected_tile_kind;  // the kind painting writes, 0 to 21
extern bool paint_armed;  // the left button was seen up or pressed here: a held click never paints
extern bool leave_asked;  // "Back" met unsaved edits once; a second "Back" leaves

void enter_editor();
void editor_screen(float speed_factor);
// The status line: the map's path, marked while edits are unsaved, or the
// question while "Back" waits for a second press.
void editor_status_text(char *text, int size);
