// view.h -- compositing the game view onto the display: health zoom, border darkness, hurt tint
#pragma once

void composite_view();
// The view zoomed by slot 0's health: the game's and its pause menu's picture.
void composite_game_view();
