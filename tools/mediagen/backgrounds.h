// backgrounds.h -- the menu background and its brightened twin
#pragma once

#include "app/display.h"
#include "picture.h"

// The menu screens show the background whole, from the screen's corner.
const int BACKGROUND_W = VIEW_W, BACKGROUND_H = VIEW_H;

Picture make_background();
// The same picture, clearly brighter, pixel for pixel (lit rows, buttons, gauges).
Picture make_bright_background(const Picture &background);
