// overlay.h -- the system overlay's dashboard artwork
#pragma once

#include <SDL.h>

// Set once at start-up
extern SDL_Surface *dashboard_image;  // small font, panel pieces, pointer and bars; null until loaded
extern SDL_Rect pointer_rect;         // the pointer sprite within dashboard_image
