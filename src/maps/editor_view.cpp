// editor_view.cpp -- the editor's view of the world: world_surface scaled onto the display, nearest neighbour
#include "maps/editor_view.h"

#include <SDL.h>

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "app/artwork.h"
#include "app/display.h"
#include "game/world.h"

const int GATHER_ROWS = 4;  // world rows sampled in one pass over the column table

// A pixel of a 24-bit surface, copied as its three bytes.
struct Pixel24 {
    Uint8 bytes[3];
};

// Sample positions of one axis: the world coordinate of screen position i is
// start + (i + 1) z, accumulated in single precision. Positions outside the
// world surface (strictly between 0 and its size) get -1: the background shows.
static void world_samples(int *index, int count, float start, float scale, int world_size)
{
    float position = start;
    for (int i = 0; i < count; i++) {
        position = position + scale;
        index[i] = position > 0.0f && position < (float)world_size ? (int)position : -1;
    }
}

// The samples of one frame. Positions grow with the screen position, so the
// columns that show the world form one span; every row samples the same
// world columns, and a row whose world row repeats the one above (a
// magnified view) is a copy of it.
struct ViewSamples {
    int column[VIEW_W], row[VIEW_H];  // world column and row, or -1
    int first, end;                   // screen columns first .. end - 1 show the world
    int new_rows[VIEW_H];             // screen rows that sample a world row of their own
    int new_row_count;
};

static void find_view_samples(ViewSamples &v, float z)
{
    world_samples(v.column, VIEW_W, camera_x + VIEW_CENTER_X - VIEW_CENTER_X * z, z,
                  world_surface->w);
    world_samples(v.row, VIEW_H, camera_y + VIEW_CENTER_Y - VIEW_CENTER_Y * z, z, world_surface->h);
    v.first = 0;
    while (v.first < VIEW_W && v.column[v.first] < 0)
        v.first++;
    v.end = v.first;
    while (v.end < VIEW_W && v.column[v.end] >= 0)
        v.end++;
    v.new_row_count = 0;
    for (int i = 0; i < VIEW_H; i++) {
        if (v.row[i] >= 0 && (i == 0 || v.row[i] != v.row[i - 1]))
            v.new_rows[v.new_row_count++] = i;
    }
}

template <typename Pixel> static Pixel *display_row(int i, int first)
{
    return (Pixel *)((Uint8 *)display_surface->pixels + i * display_surface->pitch) + first;
}

template <typename Pixel> static const Pixel *world_row(int y)
{
    return (const Pixel *)((const Uint8 *)world_surface->pixels + y * world_surface->pitch);
}

// Several rows at once read each column's index once and keep several
// memory streams busy. The rows are copied into locals, which no store can
// be taken to change.
template <typename Pixel>
static void gather_four_rows(Pixel *const out[GATHER_ROWS], const Pixel *const in[GATHER_ROWS],
                             const int *columns, int count)
{
    Pixel *o0 = out[0], *o1 = out[1], *o2 = out[2], *o3 = out[3];
    const Pixel *i0 = in[0], *i1 = in[1], *i2 = in[2], *i3 = in[3];
    for (int j = 0; j < count; j++) {
        int c = columns[j];
        o0[j] = i0[c];
        o1[j] = i1[c];
        o2[j] = i2[c];
        o3[j] = i3[c];
    }
}

#ifdef __SSE2__
// Sixteen- and 32-bit pixels are built four at a time in a register and
// stored together: a third fewer instructions than one by one.
static __m128i four_pixels(const Uint16 *row, int a, int b, int c, int d)
{
    __m128i v = _mm_insert_epi16(_mm_cvtsi32_si128(row[a]), row[b], 1);
    return _mm_insert_epi16(_mm_insert_epi16(v, row[c], 2), row[d], 3);
}

static void store_four(Uint16 *out, __m128i v)
{
    _mm_storel_epi64((__m128i *)out, v);
}

static __m128i four_pixels(const Uint32 *row, int a, int b, int c, int d)
{
    __m128i low =
        _mm_unpacklo_epi32(_mm_cvtsi32_si128((int)row[a]), _mm_cvtsi32_si128((int)row[b]));
    __m128i high =
        _mm_unpacklo_epi32(_mm_cvtsi32_si128((int)row[c]), _mm_cvtsi32_si128((int)row[d]));
    return _mm_unpacklo_epi64(low, high);
}

static void store_four(Uint32 *out, __m128i v)
{
    _mm_storeu_si128((__m128i *)out, v);
}

template <typename Pixel>
static void gather_four_rows_by_fours(Pixel *const out[GATHER_ROWS],
                                      const Pixel *const in[GATHER_ROWS], const int *columns,
                                      int count)
{
    Pixel *o[GATHER_ROWS];
    const Pixel *i[GATHER_ROWS];
    for (int k = 0; k < GATHER_ROWS; k++) {
        o[k] = out[k];
        i[k] = in[k];
    }
    int j = 0;
    for (; j + 4 <= count; j += 4) {
        int a = columns[j], b = columns[j + 1], c = columns[j + 2], d = columns[j + 3];
        for (int k = 0; k < GATHER_ROWS; k++)
            store_four(o[k] + j, four_pixels(i[k], a, b, c, d));
    }
    for (; j < count; j++)
        for (int k = 0; k < GATHER_ROWS; k++)
            o[k][j] = i[k][columns[j]];
}

static void gather_four_rows(Uint16 *const out[GATHER_ROWS], const Uint16 *const in[GATHER_ROWS],
                             const int *columns, int count)
{
    gather_four_rows_by_fours(out, in, columns, count);
}

static void gather_four_rows(Uint32 *const out[GATHER_ROWS], const Uint32 *const in[GATHER_ROWS],
                             const int *columns, int count)
{
    gather_four_rows_by_fours(out, in, columns, count);
}
#endif

template <typename Pixel>
static void gather_row(Pixel *out, const Pixel *in, const int *columns, int count)
{
    for (int j = 0; j < count; j++)
        out[j] = in[columns[j]];
}

template <typename Pixel> static void copy_view(const ViewSamples &v)
{
    const int *columns = v.column + v.first;
    int count = v.end - v.first;
    if (count == 0)
        return;
    // At scale 1 the columns are consecutive: each row is one straight copy.
    bool straight = true;
    for (int j = 1; j < count && straight; j++)
        straight = columns[j] == columns[j - 1] + 1;
    int n = 0;
    for (; n < v.new_row_count; n += GATHER_ROWS) {
        int rows = v.new_row_count - n < GATHER_ROWS ? v.new_row_count - n : GATHER_ROWS;
        Pixel *out[GATHER_ROWS];
        const Pixel *in[GATHER_ROWS];
        for (int k = 0; k < rows; k++) {
            out[k] = display_row<Pixel>(v.new_rows[n + k], v.first);
            in[k] = world_row<Pixel>(v.row[v.new_rows[n + k]]);
        }
        if (straight) {
            for (int k = 0; k < rows; k++)
                memcpy(out[k], in[k] + columns[0], (size_t)count * sizeof(Pixel));
        } else if (rows == GATHER_ROWS) {
            gather_four_rows(out, in, columns, count);
        } else {
            for (int k = 0; k < rows; k++)
                gather_row(out[k], in[k], columns, count);
        }
    }
    // Repeated rows, top down: the row above is always drawn first.
    for (int i = 1; i < VIEW_H; i++) {
        if (v.row[i] >= 0 && v.row[i] == v.row[i - 1])
            memcpy(display_row<Pixel>(i, v.first), display_row<Pixel>(i - 1, v.first),
                   (size_t)count * sizeof(Pixel));
    }
}

void draw_world_view()
{
    if (!world_surface ||
        world_surface->format->BytesPerPixel != display_surface->format->BytesPerPixel)
        return;
    ViewSamples samples;
    find_view_samples(samples, view_scale);
    SDL_LockSurface(world_surface);
    SDL_LockSurface(display_surface);
    switch (display_surface->format->BytesPerPixel) {
    case 1: copy_view<Uint8>(samples); break;
    case 2: copy_view<Uint16>(samples); break;
    case 3: copy_view<Pixel24>(samples); break;
    case 4: copy_view<Uint32>(samples); break;
    }
    SDL_UnlockSurface(display_surface);
    SDL_UnlockSurface(world_surface);
}
