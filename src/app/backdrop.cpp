// backdrop.cpp -- Escape toggle, fade level, snapshot, blur and cross-fade of the system overlay
#include "app/backdrop.h"

#include <cstring>

#include "app/display.h"
#include "app/input.h"
#include "app/pads.h"
#include "app/pixels.h"

SDL_Surface *backdrop_snapshot = nullptr;
SDL_Surface *backdrop_image = nullptr;
Uint8 blur_buffer_a[BLUR_BUFFER_SIZE];
Uint8 blur_buffer_b[BLUR_BUFFER_SIZE];
bool overlay_open = false;
float overlay_level = 0.0f;

const int BLUR_COLUMN_STRIDE = VIEW_H * 3;  // bytes from one column to the next
const int BLUR_ROW_STRIDE = 3;              // bytes from one row to the next
const int FAST_PITCH = VIEW_W * 2;          // a 16-bit row without padding
const int CHANNEL_MAX = 255;

static int blur_index(int x, int y)
{
    return (x * VIEW_H + y) * 3;
}

// The fast paths treat the pixels as one run of 5-6-5 values in row order.
static bool has_fast_layout(SDL_Surface *surface)
{
    return is_565(surface->format) && surface->pitch == FAST_PITCH;
}

static bool fits_blur(SDL_Surface *surface)
{
    return surface && surface->w == VIEW_W && surface->h == VIEW_H;
}

static void capture_display()
{
    SDL_Surface *source = display_surface;
    if (SDL_MUSTLOCK(source))
        SDL_LockSurface(source);
    if (has_fast_layout(source)) {
        const Uint16 *pixels = (const Uint16 *)source->pixels;
        for (int y = 0; y < VIEW_H; y++)
            for (int x = 0; x < VIEW_W; x++) {
                unpack_565(pixels[y * VIEW_W + x], &blur_buffer_a[blur_index(x, y)]);
            }
    } else {
        for (int x = 0; x < VIEW_W; x++)
            for (int y = 0; y < VIEW_H; y++) {
                Uint8 *out = &blur_buffer_a[blur_index(x, y)];
                split_pixel(read_surface_pixel(source, x, y), source->format, &out[0], &out[1],
                            &out[2]);
            }
    }
    if (SDL_MUSTLOCK(source))
        SDL_UnlockSurface(source);
}

// Every centre at least `reach` from the edges becomes the average of its
// four neighbours at that distance; the centre itself takes no part.
static void smoothing_pass(const Uint8 *from, Uint8 *to, int reach, int rounding)
{
    int across = reach * BLUR_COLUMN_STRIDE;
    int down = reach * BLUR_ROW_STRIDE;
    for (int cx = reach; cx < VIEW_W - reach; cx++)
        for (int cy = reach; cy < VIEW_H - reach; cy++) {
            int i = blur_index(cx, cy);
            for (int c = 0; c < 3; c++, i++)
                to[i] = (Uint8)((from[i + down] + from[i + across] + from[i - down] +
                                 from[i - across] + rounding) /
                                4);
        }
}

static void brighten_blur()
{
    for (int i = 0; i < BLUR_BUFFER_SIZE; i++) {
        int value = blur_buffer_a[i] + BACKDROP_BRIGHTENING;
        blur_buffer_a[i] = (Uint8)(value > CHANNEL_MAX ? CHANNEL_MAX : value);
    }
}

static void write_backdrop_image()
{
    SDL_Surface *target = backdrop_image;
    if (SDL_MUSTLOCK(target))
        SDL_LockSurface(target);
    if (has_fast_layout(target)) {
        Uint16 *pixels = (Uint16 *)target->pixels;
        for (int y = 0; y < VIEW_H; y++)
            for (int x = 0; x < VIEW_W; x++) {
                pixels[y * VIEW_W + x] = pack_565(&blur_buffer_a[blur_index(x, y)]);
            }
    } else {
        for (int y = 0; y < VIEW_H; y++)
            for (int x = 0; x < VIEW_W; x++) {
                const Uint8 *in = &blur_buffer_a[blur_index(x, y)];
                write_surface_pixel(target, x, y, SDL_MapRGB(target->format, in[0], in[1], in[2]));
            }
    }
    if (SDL_MUSTLOCK(target))
        SDL_UnlockSurface(target);
}

// The wide iterations round their second pass to nearest, the narrow ones
// always round down; the outermost pixels keep their captured colour.
void blur_backdrop()
{
    if (!fits_blur(display_surface) || !fits_blur(backdrop_image))
        return;
    capture_display();
    memcpy(blur_buffer_b, blur_buffer_a, sizeof blur_buffer_b);
    for (int i = 0; i < BLUR_ITERATIONS; i++) {
        smoothing_pass(blur_buffer_a, blur_buffer_b, WIDE_BLUR_REACH, 0);
        smoothing_pass(blur_buffer_b, blur_buffer_a, WIDE_BLUR_REACH, 1);
    }
    for (int i = 0; i < BLUR_ITERATIONS; i++) {
        smoothing_pass(blur_buffer_a, blur_buffer_b, NARROW_BLUR_REACH, 0);
        smoothing_pass(blur_buffer_b, blur_buffer_a, NARROW_BLUR_REACH, 0);
    }
    brighten_blur();
    write_backdrop_image();
}

// Opacity of the sharp snapshot over the blurred picture: 242 at level 5,
// 127 at 50, 12 at 95 (truncated, low 8 bits).
Uint8 backdrop_fade_alpha(float level)
{
    double alpha = (100.0 - (double)level) * CHANNEL_MAX * OVERLAY_LEVEL_SCALE;
    return (Uint8)((int)alpha & 0xFF);
}

static void replace_surface(SDL_Surface *&surface, SDL_Surface *replacement)
{
    SDL_FreeSurface(surface);
    surface = replacement;
}

void init_backdrop()
{
    overlay_level = 0.0f;
    overlay_open = false;
    int w = display_surface ? display_surface->w : 0, h = display_surface ? display_surface->h : 0;
    replace_surface(backdrop_snapshot,
                    display_surface ? create_display_like_surface(w, h) : nullptr);
    replace_surface(backdrop_image, display_surface ? create_display_like_surface(w, h) : nullptr);
}

static void toggle_overlay()
{
    if (overlay_open) {
        overlay_open = false;
        return;
    }
    overlay_open = true;
    // Reopening during a fade-out keeps the picture of the first opening.
    if (overlay_level == 0.0f) {
        blit_at(0, 0, display_surface, backdrop_snapshot, nullptr);
        blur_backdrop();
    }
}

static void draw_backdrop()
{
    blit_at(0, 0, backdrop_image, display_surface, nullptr);
    if (overlay_level == OVERLAY_LEVEL_OPEN || !backdrop_snapshot)
        return;
    SDL_SetAlpha(backdrop_snapshot, SDL_SRCALPHA, backdrop_fade_alpha(overlay_level));
    blit_at(0, 0, backdrop_snapshot, display_surface, nullptr);
    SDL_SetAlpha(backdrop_snapshot, SDL_SRCALPHA, SDL_ALPHA_OPAQUE);
}

void update_overlay_backdrop(float step)
{
    if (key_state[SDLK_ESCAPE] == KEY_PRESSED || any_pad_pressed(PAD_BACK))
        toggle_overlay();
    if (overlay_level != 0.0f)
        draw_backdrop();
    double change = (double)step * OVERLAY_FADE_STEP;
    float level = (float)(overlay_open ? overlay_level + change : overlay_level - change);
    if (level > OVERLAY_LEVEL_OPEN)
        level = OVERLAY_LEVEL_OPEN;
    else if (!(level >= 0.0f))  // below 0, or not a number
        level = 0.0f;
    overlay_level = level;
}
