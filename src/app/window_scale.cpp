// window_scale.cpp -- the 640 by 480 canvas shown at a whole multiple in a larger window or screen
#include "app/window_scale.h"

#include <cstdint>
#include <cstring>

#include "app/display.h"

SDL_Surface *window_surface = nullptr;
int window_scale = 1;
int canvas_left = 0, canvas_top = 0;
int setting_scale = SCALE_ABSENT;
int desktop_w = 0, desktop_h = 0;
bool window_fullscreen = false;

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

// Full screen takes the desktop's own mode, so the picture is a sharp
// multiple centred on black instead of a stretched 640 by 480 mode.
static SDL_Surface *set_mode(bool fullscreen, int depth, int &scale)
{
    if (fullscreen) {
        scale = choose_window_scale(desktop_w, desktop_h, SCALE_FIT, true);
        int w = desktop_w >= CANVAS_W ? desktop_w : CANVAS_W;
        int h = desktop_h >= CANVAS_H ? desktop_h : CANVAS_H;
        return SDL_SetVideoMode(w, h, depth, SDL_FULLSCREEN);
    }
    scale = choose_window_scale(desktop_w, desktop_h, setting_scale, false);
    return SDL_SetVideoMode(CANVAS_W * scale, CANVAS_H * scale, depth, SDL_DOUBLEBUF);
}

// The canvas lives in the window's own surface only in a window of exactly
// its size, so no frame is ever copied there.
static SDL_Surface *canvas_for(SDL_Surface *window)
{
    if (window->w == CANVAS_W && window->h == CANVAS_H)
        return window;
    const SDL_PixelFormat *f = window->format;
    SDL_FillRect(window, nullptr, 0);  // the black around a centred picture
    return SDL_CreateRGBSurface(SDL_SWSURFACE, CANVAS_W, CANVAS_H, f->BitsPerPixel, f->Rmask,
                                f->Gmask, f->Bmask, f->Amask);
}

// What the canvas shows is carried over: behind an open overlay the frozen
// frame is drawn only once.
bool open_window(bool fullscreen, int depth)
{
    SDL_Surface *kept = nullptr;
    if (display_surface && window_surface)
        kept = SDL_ConvertSurface(display_surface, display_surface->format, SDL_SWSURFACE);
    int scale = 1;
    SDL_Surface *window = set_mode(fullscreen, depth, scale);
    if (!window) {
        SDL_FreeSurface(kept);
        return false;
    }
    if (display_surface && display_surface != window_surface)
        SDL_FreeSurface(display_surface);  // a canvas of its own; SDL freed the old window
    window_surface = window;
    window_scale = scale;
    canvas_left = (window->w - CANVAS_W * scale) / 2;
    canvas_top = (window->h - CANVAS_H * scale) / 2;
    display_surface = canvas_for(window);
    if (kept) {
        SDL_BlitSurface(kept, nullptr, display_surface, nullptr);
        SDL_FreeSurface(kept);
    }
    window_fullscreen = fullscreen;
    return true;
}

// Where the platform refuses full screen the window stays as it was.
void toggle_fullscreen()
{
    int depth = display_surface ? display_surface->format->BitsPerPixel : 0;
    if (!open_window(!window_fullscreen, depth) && !open_window(window_fullscreen, depth))
        return;
}

void present_frame()
{
    if (!window_surface) {
        if (display_surface)
            SDL_Flip(display_surface);
        return;
    }
    if (display_surface && display_surface != window_surface) {
        if (window_scale == 1) {
            SDL_Rect where = {(Sint16)canvas_left, (Sint16)canvas_top, 0, 0};
            SDL_BlitSurface(display_surface, nullptr, window_surface, &where);
        } else {
            scale_canvas(display_surface, window_surface, window_scale, canvas_left, canvas_top);
        }
    }
    SDL_Flip(window_surface);
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
