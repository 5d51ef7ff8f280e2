// window_scale.h -- the 640 by 480 canvas shown at a whole multiple in a larger window or screen
#pragma once

#include <SDL.h>

#include "app/display.h"

const int CANVAS_W = VIEW_W, CANVAS_H = VIEW_H;  // every screen draws at the display's one size
const int SCALE_FIT = 0;         // the `scale` setting: the largest multiple that fits
const int SCALE_ABSENT = 1;      // an old settings file without the key
const double WINDOW_ROOM = 0.9;  // a window leaves a tenth of the desktop for panels

// Set when the window opens
extern SDL_Surface
    *window_surface;      // SDL's video surface; the canvas itself at scale 1 in a window
extern int window_scale;  // canvas pixels are shown as scale by scale blocks
extern int canvas_left,
    canvas_top;                   // where the canvas starts in the window (full screen centres it)
extern int setting_scale;         // 0 fits the desktop, 1, 2, 3 ... ask for that multiple
extern int desktop_w, desktop_h;  // the screen's size before the window opened; 0 when unknown
extern bool window_fullscreen;    // the window covers the screen now

// The multiple for a desktop of the given size: the one asked for, at most
// what fits (the whole screen in full screen, 90 % of it in a window), at least 1.
int choose_window_scale(int desktop_w, int desktop_h, int asked, bool fullscreen);
// Copies the canvas into the window, each pixel as a scale by scale block.
void scale_canvas(SDL_Surface *canvas, SDL_Surface *window, int scale, int left, int top);
// Opens the window, or changes it between full screen and a window: at
// scale 1 in a window the canvas is the window's own surface, otherwise a
// surface of its own in the window's format. What the canvas showed is
// kept. Returns false when SDL refused the mode.
bool open_window(bool fullscreen, int depth);
// Alt+Enter: full screen for this run, or back to the window.
void toggle_fullscreen();
// Shows the finished frame: the canvas scaled into the window when they
// differ, then the flip.
void present_frame();
// A window position as a canvas pixel, clamped to the canvas.
void window_to_canvas(int wx, int wy, int &cx, int &cy);
