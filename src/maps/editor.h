// editor.h -- the map editor: scroll and zoom over the world, paint tiles, save
#pragma once

const float EDITOR_SCROLL_SPEED = 7.5f;  // screen pixels per frame at speed factor 1
const double ZOOM_STEP = 0.05;           // share of the scale one zoom frame changes
const float EDITOR_START_CAMERA_X = 2180.0f;  // centres the world at scale 4
const float EDITOR_START_CAMERA_Y = 2260.0f;
const float EDITOR_START_SCALE = 4.0f;

// Per editing session
extern int selected_tile_kind;  // the kind painting writes, 0 to 21

void enter_editor();
void editor_screen(float speed_factor);
void draw_world_view();
