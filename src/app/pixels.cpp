// pixels.cpp -- raw pixel access on SDL surfaces at any bytes per pixel
#include "app/pixels.h"

Uint32 read_raw_pixel(const Uint8 *p, int bytes_per_pixel)
{
    switch (bytes_per_pixel) {
    case 1: return *p;
    case 2: return *(const Uint16 *)p;
    case 3: return (Uint32)p[0] | (Uint32)p[1] << 8 | (Uint32)p[2] << 16;
    case 4: return *(const Uint32 *)p;
    default: return 0;
    }
}

void write_raw_pixel(Uint8 *p, int bytes_per_pixel, Uint32 value)
{
    switch (bytes_per_pixel) {
    case 1: *p = (Uint8)value; break;
    case 2: *(Uint16 *)p = (Uint16)value; break;
    case 3:
        p[0] = (Uint8)value;
        p[1] = (Uint8)(value >> 8);
        p[2] = (Uint8)(value >> 16);
        break;
    case 4: *(Uint32 *)p = value; break;
    default: break;
    }
}

static Uint8 *pixel_address(SDL_Surface *surface, int x, int y)
{
    return (Uint8 *)surface->pixels + y * surface->pitch + x * surface->format->BytesPerPixel;
}

Uint32 read_surface_pixel(SDL_Surface *surface, int x, int y)
{
    return read_raw_pixel(pixel_address(surface, x, y), surface->format->BytesPerPixel);
}

void write_surface_pixel(SDL_Surface *surface, int x, int y, Uint32 value)
{
    write_raw_pixel(pixel_address(surface, x, y), surface->format->BytesPerPixel, value);
}

void split_pixel(Uint32 pixel, const SDL_PixelFormat *format, Uint8 *r, Uint8 *g, Uint8 *b)
{
    if (format->palette) {
        SDL_GetRGB(pixel, (SDL_PixelFormat *)format, r, g, b);
        return;
    }
    *r = (Uint8)(((pixel & format->Rmask) >> format->Rshift) << format->Rloss);
    *g = (Uint8)(((pixel & format->Gmask) >> format->Gshift) << format->Gloss);
    *b = (Uint8)(((pixel & format->Bmask) >> format->Bshift) << format->Bloss);
}
