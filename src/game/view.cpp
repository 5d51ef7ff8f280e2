// view.cpp -- compositing the game view onto the display: health zoom, border darkness, hurt tint
#include "game/view.h"

#include "app/assets.h"
#include "app/display.h"
#include "game/world.h"

// The source index of each output column (or row): a float accumulated by
// view_scale per step, truncated. Out-of-range values (a scale that is not
// in 0..1) are clamped so nothing outside the view is ever read.
static void sample_positions(int *index, int count, int centre, float scale)
{
    float position = (float)centre - (float)centre * scale;
    for (int i = 0; i < count; i++) {
        if (!(position >= 0.0f))
            index[i] = 0;
        else if (position >= (float)count)
            index[i] = count - 1;
        else
            index[i] = (int)position;
        position = position + scale;
    }
}

static inline int clamp_channel(int value)
{
    return value <= 0 ? 0 : (value >= 255 ? 255 : value);
}

// Darkness A (-255..0) takes |A| off every channel; the tint F, at most the
// local darkness, moves F units from green and blue to red.
struct Shade {
    int red_offset, other_offset;
};

static inline Shade shade_at(int darkness)
{
    int flash = hurt_flash < -darkness ? hurt_flash : -darkness;
    Shade shade = {darkness + flash, darkness - flash};
    return shade;
}

static void composite_rows_16(const int *column_source, const int *row_source)
{
    for (int y = 0; y < VIEW_H; y++) {
        const Uint16 *source = (const Uint16 *)((const Uint8 *)view_surface->pixels +
                                                row_source[y] * view_surface->pitch);
        Uint16 *out = (Uint16 *)((Uint8 *)display_surface->pixels + y * display_surface->pitch);
        const int *darkness = border_darkness + y;
        for (int x = 0; x < VIEW_W; x++) {
            Uint16 p = source[column_source[x]];
            int a = darkness[x * VIEW_H];
            if (a == 0) {  // fully lit: 5-6-5 decodes and encodes to itself
                out[x] = p;
                continue;
            }
            Shade s = shade_at(a);
            int r = clamp_channel(((p >> 8) & 0xF8) + s.red_offset);
            int g = clamp_channel(((p >> 3) & 0xFC) + s.other_offset);
            int b = clamp_channel((p & 0x1F) * 8 + s.other_offset);
            out[x] = (Uint16)(((r & 0xF8) << 8) | ((g & 0xFC) << 3) | (b >> 3));
        }
    }
}

static void composite_rows_32(const int *column_source, const int *row_source)
{
    const SDL_PixelFormat *f = display_surface->format;
    const Uint32 colour_bits = f->Rmask | f->Gmask | f->Bmask;
    const bool lit_is_copy = f->Rloss == 0 && f->Gloss == 0 && f->Bloss == 0;
    for (int y = 0; y < VIEW_H; y++) {
        const Uint32 *source = (const Uint32 *)((const Uint8 *)view_surface->pixels +
                                                row_source[y] * view_surface->pitch);
        Uint32 *out = (Uint32 *)((Uint8 *)display_surface->pixels + y * display_surface->pitch);
        const int *darkness = border_darkness + y;
        for (int x = 0; x < VIEW_W; x++) {
            Uint32 p = source[column_source[x]];
            int a = darkness[x * VIEW_H];
            if (a == 0 && lit_is_copy) {
                out[x] = p & colour_bits;
                continue;
            }
            Shade s = shade_at(a);
            int r = clamp_channel((int)((((p & f->Rmask) >> f->Rshift) << f->Rloss) & 0xFF) + s.red_offset);
            int g = clamp_channel((int)((((p & f->Gmask) >> f->Gshift) << f->Gloss) & 0xFF) + s.other_offset);
            int b = clamp_channel((int)((((p & f->Bmask) >> f->Bshift) << f->Bloss) & 0xFF) + s.other_offset);
            out[x] = ((Uint32)r >> f->Rloss) << f->Rshift | ((Uint32)g >> f->Gloss) << f->Gshift |
                     ((Uint32)b >> f->Bloss) << f->Bshift;
        }
    }
}

static Uint32 read_raw(const Uint8 *p, int bytes)
{
    switch (bytes) {
    case 1: return *p;
    case 2: return *(const Uint16 *)p;
    case 3: return p[0] | p[1] << 8 | p[2] << 16;
    case 4: return *(const Uint32 *)p;
    default: return 0;
    }
}

static void write_raw(Uint8 *p, int bytes, Uint32 value)
{
    switch (bytes) {
    case 1: *p = (Uint8)value; break;
    case 2: *(Uint16 *)p = (Uint16)value; break;
    case 3: p[0] = (Uint8)value; p[1] = (Uint8)(value >> 8); p[2] = (Uint8)(value >> 16); break;
    case 4: *(Uint32 *)p = value; break;
    }
}

// Any other depth, or a 16-bit display that is not 5-6-5: through SDL's
// colour conversion, pixel by pixel.
static void composite_rows_general(const int *column_source, const int *row_source)
{
    int view_bytes = view_surface->format->BytesPerPixel;
    int out_bytes = display_surface->format->BytesPerPixel;
    for (int y = 0; y < VIEW_H; y++) {
        const Uint8 *source = (const Uint8 *)view_surface->pixels + row_source[y] * view_surface->pitch;
        Uint8 *out = (Uint8 *)display_surface->pixels + y * display_surface->pitch;
        for (int x = 0; x < VIEW_W; x++) {
            Uint8 red, green, blue;
            SDL_GetRGB(read_raw(source + column_source[x] * view_bytes, view_bytes),
                       view_surface->format, &red, &green, &blue);
            Shade s = shade_at(border_darkness[x * VIEW_H + y]);
            Uint32 pixel = SDL_MapRGB(display_surface->format, (Uint8)clamp_channel(red + s.red_offset),
                                      (Uint8)clamp_channel(green + s.other_offset),
                                      (Uint8)clamp_channel(blue + s.other_offset));
            write_raw(out + x * out_bytes, out_bytes, pixel);
        }
    }
}

static bool is_565(const SDL_PixelFormat *f)
{
    return f->BitsPerPixel == 16 && f->Rmask == 0xF800 && f->Gmask == 0x07E0 && f->Bmask == 0x001F;
}

void composite_view()
{
    if (!view_surface || !display_surface || view_surface->w < VIEW_W || view_surface->h < VIEW_H ||
        display_surface->w < VIEW_W || display_surface->h < VIEW_H)
        return;
    int column_source[VIEW_W];
    int row_source[VIEW_H];
    sample_positions(column_source, VIEW_W, VIEW_CENTRE_X, view_scale);
    sample_positions(row_source, VIEW_H, VIEW_CENTRE_Y, view_scale);

    const SDL_PixelFormat *out_format = display_surface->format;
    bool same_format = view_surface->format->BitsPerPixel == out_format->BitsPerPixel &&
                       view_surface->format->Rmask == out_format->Rmask &&
                       view_surface->format->Gmask == out_format->Gmask &&
                       view_surface->format->Bmask == out_format->Bmask;
    SDL_LockSurface(view_surface);
    SDL_LockSurface(display_surface);
    if (same_format && is_565(out_format))
        composite_rows_16(column_source, row_source);
    else if (same_format && out_format->BitsPerPixel == 32)
        composite_rows_32(column_source, row_source);
    else
        composite_rows_general(column_source, row_source);
    SDL_UnlockSurface(display_surface);
    SDL_UnlockSurface(view_surface);
}
