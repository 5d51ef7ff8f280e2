// editor_camera.cpp -- the editor's view: zoom about a point, the whole map, and the limits that keep the map in sight
#include "maps/editor_camera.h"

#include <algorithm>

void screen_to_world(int sx, int sy, float &wx, float &wy)
{
    wx = camera_x + VIEW_CENTER_X + (sx - VIEW_CENTER_X) * view_scale;
    wy = camera_y + VIEW_CENTER_Y + (sy - VIEW_CENTER_Y) * view_scale;
}

// The view's centre on one axis, for a view `half` world pixels to each side:
// the part of the map in view must be `kept` long.
static float clamp_centre(float centre, float half)
{
    float kept = std::min((float)WORLD_PIXELS * MAP_KEPT_IN_VIEW, 2.0f * half);
    float lowest = kept - half, highest = WORLD_PIXELS - kept + half;
    return std::min(std::max(centre, lowest), highest);
}

void clamp_editor_view()
{
    view_scale = std::min(std::max(view_scale, EDITOR_MIN_SCALE), EDITOR_MAX_SCALE);
    float centre_x = clamp_centre(camera_x + VIEW_CENTER_X, VIEW_CENTER_X * view_scale);
    float centre_y = clamp_centre(camera_y + VIEW_CENTER_Y, VIEW_CENTER_Y * view_scale);
    camera_x = centre_x - VIEW_CENTER_X;
    camera_y = centre_y - VIEW_CENTER_Y;
}

// The limits of the scale are met first, so the point under the pointer
// stays put also where a zoom stops at them.
void zoom_view_about(int sx, int sy, double factor)
{
    float wx, wy;
    screen_to_world(sx, sy, wx, wy);
    view_scale = (float)(view_scale * factor);
    view_scale = std::min(std::max(view_scale, EDITOR_MIN_SCALE), EDITOR_MAX_SCALE);
    camera_x = wx - VIEW_CENTER_X - (sx - VIEW_CENTER_X) * view_scale;
    camera_y = wy - VIEW_CENTER_Y - (sy - VIEW_CENTER_Y) * view_scale;
    clamp_editor_view();
}

void show_whole_map()
{
    view_scale = EDITOR_MAX_SCALE;
    camera_x = CENTRED_CAMERA_X;
    camera_y = CENTRED_CAMERA_Y;
}
