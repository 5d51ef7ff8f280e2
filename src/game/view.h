// view.h -- compositing the game view onto the display: health zoom, border darkness, hurt tint
#pragma once

void composite_view();
// The zoom of slot 0's health: Waves magnifies at most 2 times.
void set_game_view_scale();
// The view zoomed so: the game's and its pause menu's picture.
void composite_game_view();
