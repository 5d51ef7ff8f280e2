// editor_view.cpp -- the editor's view of the world: world_surface scaled onto the display, nearest neighbour
#include "maps/editor_view.h"

#include <SDL.h>

#include <cstring>

#ifdef __SSE2__
#include <emmintrin.h>
#endif
#if defined(__SSE2__) && defined(__GNUC__)
#include <tmmintrin.h>
#define ROTWALK_PICK_SHUFFLES 1
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

#ifdef ROTWALK_PICK_SHUFFLES
// Sixteen-bit rows are sampled eight columns at a time: the 16-byte loads
// that hold a group's samples are shuffled into one register and merged. A
// group's shuffles depend only on its columns, so they are built once per
// frame and serve every row: half the loads of one load per sample, and
// where the view magnifies, one load for eight samples.
const int PICK_PIXELS = 8;       // 16-bit samples built in one register
const int PICK_MAX_WINDOWS = 4;  // 16-byte loads that may feed one register
const int PICK_GROUP_LIMIT = VIEW_W / PICK_PIXELS;
const char PICK_ZERO = -128;  // a shuffle byte that yields zero

struct PickGroup {
    int first;                          // world column of the group's first sample
    __m128i shuffle[PICK_MAX_WINDOWS];  // per load: the byte each output byte takes
};

struct PickPlan {
    int windows;      // loads per group, 0 when the samples are too far apart
    int group_count;  // groups from the span's start whose loads stay inside the row
    PickGroup group[PICK_GROUP_LIMIT];
};

static void plan_picks(PickPlan &plan, const int *columns, int count, int world_w)
{
    plan.windows = 0;
    plan.group_count = 0;
    for (int g = 0; g < count / PICK_PIXELS; g++) {
        const int *c = columns + g * PICK_PIXELS;
        int bytes = (c[PICK_PIXELS - 1] - c[0]) * 2 + 2;
        int windows = (bytes + 15) / 16;
        if (windows > PICK_MAX_WINDOWS) {
            plan.windows = 0;
            return;
        }
        plan.windows = windows > plan.windows ? windows : plan.windows;
    }
    // The loads of a group reach windows * 16 bytes past its first sample;
    // a group whose reach leaves the row is sampled one by one instead.
    while (plan.group_count < count / PICK_PIXELS &&
           (columns[plan.group_count * PICK_PIXELS] * 2 + plan.windows * 16 <= world_w * 2))
        plan.group_count++;
    for (int g = 0; g < plan.group_count; g++) {
        const int *c = columns + g * PICK_PIXELS;
        PickGroup &group = plan.group[g];
        group.first = c[0];
        for (int w = 0; w < PICK_MAX_WINDOWS; w++) {
            char shuffle[16];
            for (int b = 0; b < 16; b++) {
                int at = (c[b / 2] - c[0]) * 2 + b % 2 - 16 * w;
                shuffle[b] = at >= 0 && at < 16 ? (char)at : PICK_ZERO;
            }
            memcpy(&group.shuffle[w], shuffle, sizeof shuffle);
        }
    }
}

template <int Windows>
__attribute__((target("ssse3"))) static void pick_four_rows(Uint16 *const out[GATHER_ROWS],
                                                            const Uint16 *const in[GATHER_ROWS],
                                                            const PickPlan &plan)
{
    for (int g = 0; g < plan.group_count; g++) {
        const PickGroup &group = plan.group[g];
        __m128i shuffle[Windows];
        for (int w = 0; w < Windows; w++)
            shuffle[w] = group.shuffle[w];
        for (int k = 0; k < GATHER_ROWS; k++) {
            const __m128i *from = (const __m128i *)(in[k] + group.first);
            __m128i v = _mm_shuffle_epi8(_mm_loadu_si128(from), shuffle[0]);
            for (int w = 1; w < Windows; w++)
                v = _mm_or_si128(v, _mm_shuffle_epi8(_mm_loadu_si128(from + w), shuffle[w]));
            _mm_storeu_si128((__m128i *)(out[k] + g * PICK_PIXELS), v);
        }
    }
}

// Other pixel sizes have no plan: the caller gathers their rows.
template <typename Pixel>
static bool pick_rows(Pixel *const[GATHER_ROWS], const Pixel *const[GATHER_ROWS], const PickPlan &,
                      const int *, int)
{
    return false;
}

// The planned groups by shuffles, the columns after them one by one; false
// when the plan does not apply and the caller gathers the rows itself.
static bool pick_rows(Uint16 *const out[GATHER_ROWS], const Uint16 *const in[GATHER_ROWS],
                      const PickPlan &plan, const int *columns, int count)
{
    switch (plan.group_count > 0 ? plan.windows : 0) {
    case 1: pick_four_rows<1>(out, in, plan); break;
    case 2: pick_four_rows<2>(out, in, plan); break;
    case 3: pick_four_rows<3>(out, in, plan); break;
    case 4: pick_four_rows<4>(out, in, plan); break;
    default: return false;
    }
    int done = plan.group_count * PICK_PIXELS;
    for (int k = 0; k < GATHER_ROWS; k++)
        for (int j = done; j < count; j++)
            out[k][j] = in[k][columns[j]];
    return true;
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
#ifdef ROTWALK_PICK_SHUFFLES
    PickPlan plan;
    plan.windows = plan.group_count = 0;
    if (sizeof(Pixel) == 2 && !straight && __builtin_cpu_supports("ssse3"))
        plan_picks(plan, columns, count, world_surface->w);
#endif
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
#ifdef ROTWALK_PICK_SHUFFLES
            if (!pick_rows(out, in, plan, columns, count))
                gather_four_rows(out, in, columns, count);
#else
            gather_four_rows(out, in, columns, count);
#endif
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

bool world_view_fills_display()
{
    if (!world_surface ||
        world_surface->format->BytesPerPixel != display_surface->format->BytesPerPixel)
        return false;
    ViewSamples samples;
    find_view_samples(samples, view_scale);
    return samples.first == 0 && samples.end == VIEW_W && samples.row[0] >= 0 &&
           samples.row[VIEW_H - 1] >= 0;
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
