// view.h -- compositing the game view onto the display: health zoom, border darkness, hurt tint
#pragma once

const int VIEW_CENTER_X = 320;  // the view zooms about the screen centre; the camera centres here
const int VIEW_CENTER_Y = 240;

void composite_view();
