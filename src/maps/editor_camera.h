// editor_camera.h -- the editor's view: zoom about a point, the whole map, and the limits that keep the map in sight
#pragma once

#include "app/display.h"
#include "game/world.h"

const float EDITOR_MIN_SCALE = 0.25f;  // a tile at its most magnified: 400 screen pixels
// At its smallest the map is as tall as the view
const float EDITOR_MAX_SCALE = (float)WORLD_PIXELS / VIEW_H;
const double WHEEL_ZOOM_STEP = 0.15;  // share of the scale one notch of the wheel changes
// Along each axis the view keeps this share of the map, or the whole view
// lies on the map when it is narrower: at least a quarter of the map shows.
const float MAP_KEPT_IN_VIEW = 0.5f;

// The world point under a screen point at the current view.
void screen_to_world(int sx, int sy, float &wx, float &wy);
// Scale and position brought within their limits.
void clamp_editor_view();
// The scale times `factor`, the world point under (sx, sy) staying there.
void zoom_view_about(int sx, int sy, double factor);
// The whole map, centred.
void show_whole_map();
