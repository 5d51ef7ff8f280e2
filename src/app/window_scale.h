// window_scale.h -- the 640 by 480 canvas shown at a whole multiple of its size, and the pointer's way back
#pragma once

#include <SDL.h>

#include "app/display.h"

const int CANVAS_W = VIEW_W, CANVAS_H = VIEW_H;  // every screen draws at the display's one size
const int SCALE_FIT = 0;         // the `scale` setting: the largest multiple that fits
const double WINDOW_ROOM = 0.9;  // a window leaves a tenth of the desktop for panels

// The multiple for a desktop of the given size: the one asked for, at most
// what fits (the whole screen in full screen, 90 % of it in a window), at least 1.
int choose_window_scale(int desktop_w, int desktop_h, int asked, bool fullscreen);
// Copies the canvas into the window, each pixel as a scale by scale block.
void scale_canvas(SDL_Surface *canvas, SDL_Surface *window, int scale, int left, int top);
// A window position as a canvas pixel, clamped to the canvas.
void window_to_canvas(int wx, int wy, int &cx, int &cy);
