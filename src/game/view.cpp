// view.cpp -- compositing the game view onto the display: health zoom, border darkness, hurt tint
#include "game/view.h"

#include <cstring>

#include "app/artwork.h"
#include "app/display.h"
#include "app/pixels.h"
#include "game/camera.h"
#include "game/darkness.h"
#include "game/waves.h"
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

static int clamp_channel(int value)
{
    return value <= 0 ? 0 : (value >= 255 ? 255 : value);
}

// Darkness A (-255..0) takes |A| off every channel; the tint F, at most the
// local darkness, moves F units from green and blue to red.
struct Shade {
    int red_offset, other_offset;
};

static Shade shade_at(int darkness)
{
    int flash = hurt_flash < -darkness ? hurt_flash : -darkness;
    Shade shade = {darkness + flash, darkness - flash};
    return shade;
}

// The source pixels of one output row: the view's row itself when column x
// samples column x, else gathered into `gathered`.
// A zoomed view repeats source rows; a repeated row is gathered once.
template <typename Pixel>
static const Pixel *sample_row(const Pixel *view_row, const int *column_source, bool identity,
                               bool same_as_previous, Pixel *gathered)
{
    if (identity)
        return view_row;
    if (!same_as_previous) {
        for (int x = 0; x < VIEW_W; x++)
            gathered[x] = view_row[column_source[x]];
    }
    return gathered;
}

// 5-6-5 decodes and encodes to itself, so lit runs are plain copies.
static void composite_rows_16(const int *column_source, bool identity, const int *row_source)
{
    Uint16 gathered[VIEW_W];
    for (int y = 0; y < VIEW_H; y++) {
        const Uint16 *view_row = (const Uint16 *)((const Uint8 *)view_surface->pixels +
                                                  row_source[y] * view_surface->pitch);
        bool repeated = y > 0 && row_source[y] == row_source[y - 1];
        const Uint16 *source = sample_row(view_row, column_source, identity, repeated, gathered);
        Uint16 *out = (Uint16 *)((Uint8 *)display_surface->pixels + y * display_surface->pitch);
        const Sint16 *darkness = darkness_rows + y * VIEW_W;
        for (int r = darkness_row_first_run[y]; r < darkness_row_first_run[y + 1]; r++) {
            const DarknessRun &run = darkness_runs[r];
            int count = run.end - run.start;
            if (run.lit)
                memcpy(out + run.start, source + run.start, (size_t)count * sizeof(Uint16));
            else
                shade_run_565(out + run.start, source + run.start, darkness + run.start, count,
                              hurt_flash);
        }
    }
}

// With 8 bits per channel a lit pixel is its source without the bits outside
// the colour masks.
static void composite_rows_32(const int *column_source, bool identity, const int *row_source)
{
    const SDL_PixelFormat *f = display_surface->format;
    const Uint32 colour_bits = f->Rmask | f->Gmask | f->Bmask;
    const bool lit_is_copy = f->Rloss == 0 && f->Gloss == 0 && f->Bloss == 0;
    Uint32 gathered[VIEW_W];
    for (int y = 0; y < VIEW_H; y++) {
        const Uint32 *view_row = (const Uint32 *)((const Uint8 *)view_surface->pixels +
                                                  row_source[y] * view_surface->pitch);
        bool repeated = y > 0 && row_source[y] == row_source[y - 1];
        const Uint32 *source = sample_row(view_row, column_source, identity, repeated, gathered);
        Uint32 *out = (Uint32 *)((Uint8 *)display_surface->pixels + y * display_surface->pitch);
        const Sint16 *darkness = darkness_rows + y * VIEW_W;
        for (int r = darkness_row_first_run[y]; r < darkness_row_first_run[y + 1]; r++) {
            const DarknessRun &run = darkness_runs[r];
            if (run.lit && lit_is_copy) {
                for (int x = run.start; x < run.end; x++)
                    out[x] = source[x] & colour_bits;
            } else {
                shade_run_masked(out + run.start, source + run.start, darkness + run.start,
                                 run.end - run.start, hurt_flash, f);
            }
        }
    }
}

// Any other depth, or a 16-bit display that is not 5-6-5: through SDL's
// colour conversion, pixel by pixel.
static void composite_rows_general(const int *column_source, const int *row_source)
{
    int view_bytes = view_surface->format->BytesPerPixel;
    int out_bytes = display_surface->format->BytesPerPixel;
    for (int y = 0; y < VIEW_H; y++) {
        const Uint8 *source =
            (const Uint8 *)view_surface->pixels + row_source[y] * view_surface->pitch;
        Uint8 *out = (Uint8 *)display_surface->pixels + y * display_surface->pitch;
        for (int x = 0; x < VIEW_W; x++) {
            Uint8 red, green, blue;
            SDL_GetRGB(read_raw_pixel(source + column_source[x] * view_bytes, view_bytes),
                       view_surface->format, &red, &green, &blue);
            Shade s = shade_at(darkness_rows[y * VIEW_W + x]);
            Uint32 pixel =
                SDL_MapRGB(display_surface->format, (Uint8)clamp_channel(red + s.red_offset),
                           (Uint8)clamp_channel(green + s.other_offset),
                           (Uint8)clamp_channel(blue + s.other_offset));
            write_raw_pixel(out + x * out_bytes, out_bytes, pixel);
        }
    }
}

void composite_view()
{
    if (!view_surface || !display_surface || view_surface->w < VIEW_W || view_surface->h < VIEW_H ||
        display_surface->w < VIEW_W || display_surface->h < VIEW_H)
        return;
    int column_source[VIEW_W];
    int row_source[VIEW_H];
    sample_positions(column_source, VIEW_W, VIEW_CENTER_X, view_scale);
    sample_positions(row_source, VIEW_H, VIEW_CENTER_Y, view_scale);
    bool identity = true;
    for (int x = 0; x < VIEW_W; x++)
        identity = identity && column_source[x] == x;

    const SDL_PixelFormat *out_format = display_surface->format;
    bool same_format = view_surface->format->BitsPerPixel == out_format->BitsPerPixel &&
                       view_surface->format->Rmask == out_format->Rmask &&
                       view_surface->format->Gmask == out_format->Gmask &&
                       view_surface->format->Bmask == out_format->Bmask;
    SDL_LockSurface(view_surface);
    SDL_LockSurface(display_surface);
    if (same_format && is_565(out_format))
        composite_rows_16(column_source, identity, row_source);
    else if (same_format && out_format->BitsPerPixel == 32)
        composite_rows_32(column_source, identity, row_source);
    else
        composite_rows_general(column_source, row_source);
    SDL_UnlockSurface(display_surface);
    SDL_UnlockSurface(view_surface);
}

void set_game_view_scale()
{
    view_scale = player_health[0] / GAUGE_MAX;
    if (view_holds_players() && view_scale < WAVES_MIN_VIEW_SCALE)
        view_scale = WAVES_MIN_VIEW_SCALE;
}

void composite_game_view()
{
    set_game_view_scale();
    composite_view();
}
