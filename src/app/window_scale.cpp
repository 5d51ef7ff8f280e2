// window_scale.cpp -- the 640 by 480 canvas shown at a whole multiple of its size, and the pointer's way back
#include "app/window_scale.h"

#include <cstdint>
#include <cstring>

#include "app/display.h"

int choose_window_scale(int desktop_w, int desktop_h, int asked, bool fullscreen)
{
    double room = fullscreen ? 1.0 : WINDOW_ROOM;
    int fit_w = (int)(desktop_w * room) / CANVAS_W;
    int fit_h = (int)(desktop_h * room) / CANVAS_H;
    int fit = fit_w < fit_h ? fit_w : fit_h;
    if (fit < 1)
        fit = 1;
    if (asked == SCALE_FIT || asked > fit)
        return fit;
    return asked < 1 ? 1 : asked;
}

// One canvas row widened into the window: every pixel written `scale`
// times. Two and three are spelt out so the compiler unrolls them.
template <typename Pixel, int Scale>
static void widen_row(const Pixel *in, Pixel *out, int width, int scale)
{
    for (int x = 0; x < width; x++) {
        Pixel p = in[x];
        if (Scale > 0) {
            for (int k = 0; k < Scale; k++)
                *out++ = p;
        } else {
            for (int k = 0; k < scale; k++)
                *out++ = p;
        }
    }
}

template <typename Pixel>
static void widen_row_any(const Uint8 *in, Uint8 *out, int width, int scale)
{
    const Pixel *from = (const Pixel *)in;
    Pixel *to = (Pixel *)out;
    if (scale == 2)
        widen_row<Pixel, 2>(from, to, width, scale);
    else if (scale == 3)
        widen_row<Pixel, 3>(from, to, width, scale);
    else
        widen_row<Pixel, 0>(from, to, width, scale);
}

// Three-byte pixels are copied byte by byte.
static void widen_row_bytes(const Uint8 *in, Uint8 *out, int width, int scale, int bytes)
{
    for (int x = 0; x < width; x++, in += bytes)
        for (int k = 0; k < scale; k++, out += bytes)
            memcpy(out, in, (size_t)bytes);
}

static void widen(const Uint8 *in, Uint8 *out, int width, int scale, int bytes)
{
    switch (bytes) {
    case 1: widen_row_any<Uint8>(in, out, width, scale); break;
    case 2: widen_row_any<Uint16>(in, out, width, scale); break;
    case 4: widen_row_any<Uint32>(in, out, width, scale); break;
    default: widen_row_bytes(in, out, width, scale, bytes); break;
    }
}

// Each canvas row is widened once and then copied down for the other rows
// of its block. Both surfaces have the same pixel format.
void scale_canvas(SDL_Surface *canvas, SDL_Surface *window, int scale, int left, int top)
{
    int bytes = canvas->format->BytesPerPixel;
    int width = canvas->w, height = canvas->h;
    if (left < 0 || top < 0 || left + width * scale > window->w || top + height * scale > window->h)
        return;
    if (SDL_MUSTLOCK(window) && SDL_LockSurface(window) < 0)
        return;
    size_t row_bytes = (size_t)width * scale * bytes;
    for (int y = 0; y < height; y++) {
        const Uint8 *in = (const Uint8 *)canvas->pixels + (size_t)y * canvas->pitch;
        Uint8 *out = (Uint8 *)window->pixels + (size_t)(top + y * scale) * window->pitch +
                     (size_t)left * bytes;
        widen(in, out, width, scale, bytes);
        for (int k = 1; k < scale; k++)
            memcpy(out + (size_t)k * window->pitch, out, row_bytes);
    }
    if (SDL_MUSTLOCK(window))
        SDL_UnlockSurface(window);
}

static int clamp_int(int value, int low, int high)
{
    return value < low ? low : (value > high ? high : value);
}

void window_to_canvas(int wx, int wy, int &cx, int &cy)
{
    int scale = window_scale < 1 ? 1 : window_scale;
    cx = clamp_int((wx - canvas_left) / scale, 0, CANVAS_W - 1);
    cy = clamp_int((wy - canvas_top) / scale, 0, CANVAS_H - 1);
}
