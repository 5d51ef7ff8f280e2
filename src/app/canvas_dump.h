// canvas_dump.h -- the canvas written out exactly, to compare one build's frame with another's
#pragma once

#include <SDL.h>

#include <string>

// The canvas as a binary PPM picture (P6, 8 bits a channel): every pixel's
// red, green and blue as the display format holds them, nothing of the
// window, the scale or a screenshot's conversion. Returns 0 or the errno.
int write_canvas_dump(SDL_Surface *canvas, const char *path);
std::string canvas_dump_text(SDL_Surface *canvas);
