// backgrounds.h -- the menu background and its brightened twin
#pragma once

#include "picture.h"

const int BACKGROUND_W = 640, BACKGROUND_H = 480;

Picture make_background();
// The same picture, clearly brighter, pixel for pixel (lit rows, buttons, gauges).
Picture make_bright_background(const Picture &background);
