// pixels.h -- every pixel layout the game knows: raw access at any depth, 5-6-5 and masked channels
#pragma once

#include <SDL.h>

// 1, 2, 3 (low byte first) or 4 bytes; any other size reads 0 and writes nothing.
Uint32 read_raw_pixel(const Uint8 *p, int bytes_per_pixel);
void write_raw_pixel(Uint8 *p, int bytes_per_pixel, Uint32 value);
Uint32 read_surface_pixel(SDL_Surface *surface, int x, int y);
void write_surface_pixel(SDL_Surface *surface, int x, int y, Uint32 value);
// Same bytes per pixel and channel masks: pixels copy across raw.
bool same_layout(const SDL_PixelFormat *a, const SDL_PixelFormat *b);
// The rectangle `from` of one surface to (x, y) of another of the same
// pixel size, raw, clipped to both.
void copy_pixels(SDL_Surface *source, SDL_Rect from, SDL_Surface *destination, int x, int y);

// The channels by the format's masks, shifts and losses: the low bits a
// 16-bit format lacks stay 0, so 5-bit white reads as 248. A palette format
// is looked up instead.
void split_pixel(Uint32 pixel, const SDL_PixelFormat *format, Uint8 *r, Uint8 *g, Uint8 *b);

// The 16-bit layout the fast paths take: red 5, green 6, blue 5 bits.
bool is_565(const SDL_PixelFormat *format);
// 5-6-5 as 8-bit channels with their missing low bits 0, and back.
inline void unpack_565(Uint16 p, Uint8 *rgb)
{
    rgb[0] = (Uint8)((p >> 8) & 0xF8);
    rgb[1] = (Uint8)((p >> 3) & 0xFC);
    rgb[2] = (Uint8)((p << 3) & 0xF8);
}
inline Uint16 pack_565(const Uint8 *rgb)
{
    return (Uint16)((rgb[0] & 0xF8) << 8 | (rgb[1] & 0xFC) << 3 | rgb[2] >> 3);
}

// The view's lighting over one run of pixels: darkness A (-255..0) takes |A|
// off every channel, and the hurt flash, at most the local darkness, moves
// that many units from green and blue to red. In 5-6-5, and in any 32-bit
// layout through its masks.
void shade_run_565(Uint16 *out, const Uint16 *source, const Sint16 *darkness, int count,
                   int flash_strength);
void shade_run_masked(Uint32 *out, const Uint32 *source, const Sint16 *darkness, int count,
                      int flash_strength, const SDL_PixelFormat *format);
