// view.h -- compositing the game view onto the display: health zoom, border darkness, hurt tint
#pragma once

const int VIEW_CENTRE_X = 320;  // the zoom is about the screen centre
const int VIEW_CENTRE_Y = 240;

void composite_view();
