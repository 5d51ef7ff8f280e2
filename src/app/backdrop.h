// backdrop.h -- the system overlay's open state, fade level, snapshot and blurred backdrop
#pragma once

#include <SDL.h>

#include "app/display.h"

// The display's size exactly, column-major: (x * 480 + y) * 3, RGB
const int BLUR_BUFFER_SIZE = VIEW_W * VIEW_H * 3;
const int WIDE_BLUR_REACH = 3;        // pixels between a centre and its neighbours, wide passes
const int NARROW_BLUR_REACH = 1;      // the same, narrow passes
const int BLUR_ITERATIONS = 2;        // of each kind, each a pair of passes
const int BACKDROP_BRIGHTENING = 50;  // added to every channel of the blurred picture
const float OVERLAY_LEVEL_OPEN = 100.0f;
const double OVERLAY_FADE_STEP = 5.0;              // level units per frame at step 1
const double OVERLAY_LEVEL_SCALE = (double)0.01f;  // level to fraction, the float's value in double

// Set once at start-up
extern SDL_Surface *backdrop_snapshot;  // the sharp picture taken when the overlay opened
extern SDL_Surface *backdrop_image;     // the same picture blurred and brightened

// Per opening
extern Uint8 blur_buffer_a[BLUR_BUFFER_SIZE];  // smoothing works back and forth between these
extern Uint8 blur_buffer_b[BLUR_BUFFER_SIZE];

// Per frame
extern bool overlay_open;    // the overlay is wanted open (Escape toggles it)
extern float overlay_level;  // 0 fully closed .. 100 fully open; screens run only at 0

// The overlay closed, and both pictures made in the display's size and format.
void init_backdrop();
void update_overlay_backdrop(float step);
void blur_backdrop();
Uint8 backdrop_fade_alpha(float level);
