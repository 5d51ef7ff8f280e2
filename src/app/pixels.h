// pixels.h -- raw pixel access on SDL surfaces at any bytes per pixel
#pragma once

#include <SDL.h>

// 1, 2, 3 (low byte first) or 4 bytes; any other size reads 0 and writes nothing.
Uint32 read_raw_pixel(const Uint8 *p, int bytes_per_pixel);
void write_raw_pixel(Uint8 *p, int bytes_per_pixel, Uint32 value);
Uint32 read_surface_pixel(SDL_Surface *surface, int x, int y);
void write_surface_pixel(SDL_Surface *surface, int x, int y, Uint32 value);

// The channels by the format's masks, shifts and losses: the low bits a
// 16-bit format lacks stay 0, so 5-bit white reads as 248. A palette format
// is looked up instead.
void split_pixel(Uint32 pixel, const SDL_PixelFormat *format, Uint8 *r, Uint8 *g, Uint8 *b);
