// camera.h -- the game view following the players: a lead towards the aim, eased and held in the world
#pragma once

// With one player the target is 3 parts aim point to 7 parts player: the
// view leads 30 percent towards where the player aims.
const int AIM_LEAD_PARTS = 3;
const int PLAYER_PARTS = 7;
const int TARGET_PARTS = AIM_LEAD_PARTS + PLAYER_PARTS;
// Each frame the camera keeps 9 parts of where it was and takes 1 of the target.
const int CAMERA_KEEP_PARTS = 9;
const int CAMERA_EASE_PARTS = CAMERA_KEEP_PARTS + 1;

// A held view keeps every player this far inside the visible part of the
// view, and above the heads-up gauges, which cover the view from GAUGES_TOP down.
const int VIEW_KEEP_MARGIN = 40;
const int GAUGES_TOP = 400;

// Waves and every game of several hold the view: low health magnifies at
// most 2 times and every player stays inside the visible part, so players
// who walk apart still see themselves. One player in Classic plays the
// design's view, which lets the zoom hide the edges.
bool view_holds_players();
void update_camera();
// Where a world point shows on the display, through the view's zoom about its centre.
float screen_x_of(float world_x);
float screen_y_of(float world_y);

// How far past the design's range a held camera may go at a zoom, so that a
// player at the world's edge stays inside the visible part.
struct CameraLimits {
    float low_x, high_x, low_y, high_y;
};
CameraLimits held_camera_limits(float scale);
