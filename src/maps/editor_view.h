// editor_view.h -- the editor's view of the world: world_surface scaled onto the display, nearest neighbour
#pragma once

// Draws world_surface onto the display at view_scale world pixels per screen
// pixel about the screen centre (camera_x + 320, camera_y + 240); where the
// view leaves the world the display keeps what it had.
void draw_world_view();
// Whether every display pixel shows the world: nothing of what lay under
// the view shows through.
bool world_view_fills_display();
