// pixels.cpp -- every pixel layout the game knows: raw access at any depth, 5-6-5 and masked channels
#include "app/pixels.h"

#include <algorithm>
#include <cstring>

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

bool is_565(const SDL_PixelFormat *f)
{
    return f->BitsPerPixel == 16 && f->Rmask == 0xF800 && f->Gmask == 0x07E0 && f->Bmask == 0x001F;
}

// Straight-line code over a run, so the compiler can vectorise it. Every
// intermediate fits in 16 bits (channels 0..255, offsets -510..255).
static Sint16 clamp_channel_16(Sint16 value)
{
    return value < 0 ? 0 : (value > 255 ? 255 : value);
}

void shade_run_565(Uint16 *out, const Uint16 *source, const Sint16 *darkness, int count,
                   int flash_strength)
{
    const Sint16 strength = (Sint16)flash_strength;
    for (int i = 0; i < count; i++) {
        Sint16 a = darkness[i];
        Sint16 depth = (Sint16)-a;
        Sint16 flash = strength < depth ? strength : depth;
        Uint16 p = source[i];
        Sint16 red = clamp_channel_16((Sint16)(((p >> 8) & 0xF8) + a + flash));
        Sint16 green = clamp_channel_16((Sint16)(((p >> 3) & 0xFC) + a - flash));
        Sint16 blue = clamp_channel_16((Sint16)(((p & 0x1F) << 3) + a - flash));
        out[i] = (Uint16)(((red & 0xF8) << 8) | ((green & 0xFC) << 3) | (blue >> 3));
    }
}

void shade_run_masked(Uint32 *out, const Uint32 *source, const Sint16 *darkness, int count,
                      int flash_strength, const SDL_PixelFormat *f)
{
    const Sint16 strength = (Sint16)flash_strength;
    for (int i = 0; i < count; i++) {
        Sint16 a = darkness[i];
        Sint16 depth = (Sint16)-a;
        Sint16 flash = strength < depth ? strength : depth;
        Uint32 p = source[i];
        Sint16 red = clamp_channel_16(
            (Sint16)((Sint16)((((p & f->Rmask) >> f->Rshift) << f->Rloss) & 0xFF) + a + flash));
        Sint16 green = clamp_channel_16(
            (Sint16)((Sint16)((((p & f->Gmask) >> f->Gshift) << f->Gloss) & 0xFF) + a - flash));
        Sint16 blue = clamp_channel_16(
            (Sint16)((Sint16)((((p & f->Bmask) >> f->Bshift) << f->Bloss) & 0xFF) + a - flash));
        out[i] = ((Uint32)red >> f->Rloss) << f->Rshift | ((Uint32)green >> f->Gloss) << f->Gshift |
                 ((Uint32)blue >> f->Bloss) << f->Bshift;
    }
}

bool same_layout(const SDL_PixelFormat *a, const SDL_PixelFormat *b)
{
    return a->BytesPerPixel == b->BytesPerPixel && a->Rmask == b->Rmask && a->Gmask == b->Gmask &&
           a->Bmask == b->Bmask && a->Amask == b->Amask && !a->palette && !b->palette;
}

// Rows copied with memcpy: SDL 1.2's own copy is many times slower for
// small rectangles at 16 bits (the editor's palette spent 0.3 ms a frame).
void copy_pixels(SDL_Surface *source, SDL_Rect from, SDL_Surface *destination, int x, int y)
{
    if (!source || !destination ||
        source->format->BytesPerPixel != destination->format->BytesPerPixel)
        return;
    int left = std::max({0, (int)from.x, (int)from.x - x}),
        top = std::max({0, (int)from.y, (int)from.y - y});
    int right = std::min({source->w, from.x + from.w, from.x + destination->w - x});
    int bottom = std::min({source->h, from.y + from.h, from.y + destination->h - y});
    if (right <= left || bottom <= top)
        return;
    int bytes = source->format->BytesPerPixel;
    SDL_LockSurface(source);
    SDL_LockSurface(destination);
    for (int row = top; row < bottom; row++)
        memcpy((Uint8 *)destination->pixels + (row - from.y + y) * destination->pitch +
                   (left - from.x + x) * bytes,
               (const Uint8 *)source->pixels + row * source->pitch + left * bytes,
               (size_t)((right - left) * bytes));
    SDL_UnlockSurface(destination);
    SDL_UnlockSurface(source);
}
