// sprite_tables.cpp -- the source rectangles of every sheet, and the people's 64 rotated facings
#include "app/sprite_tables.h"

#include <cmath>

#include "app/artwork.h"
#include "app/display.h"
#include "app/pixels.h"

SDL_Rect glyph_rects[GLYPH_COUNT];
SDL_Rect tile_rects[TILE_CELL_COUNT];
SDL_Rect player_frames[FACING_COUNT];
SDL_Rect zombie_frames[FACING_COUNT];
SDL_Rect corpse_frames[FACING_COUNT];
SDL_Rect blood_frames[BLOOD_SPLAT_COUNT];

const int PEOPLE_SHEET_H = PEOPLE_ROWS * SPRITE_SIZE;  // 108
const double FACING_STEP = 0.09817477315664291;        // pi/32: one of 64 facings

void fill_sprite_tables()
{
    for (int i = 0; i < GLYPH_COUNT; i++)
        glyph_rects[i] = make_rect(GLYPH_CELL_W * (i % GLYPH_COLUMNS) + 1,
                                   GLYPH_CELL_H * (i / GLYPH_COLUMNS) + 1, GLYPH_W, GLYPH_H);
    for (int k = 0; k < TILE_CELL_COUNT; k++)
        tile_rects[k] = make_rect(TILE_SIZE * (k % TILE_CELL_COLUMNS),
                                  TILE_SIZE * (k / TILE_CELL_COLUMNS), TILE_SIZE, TILE_SIZE);
    for (int f = 0; f < FACING_COUNT; f++) {
        player_frames[f] = make_rect(SPRITE_SIZE * f, PLAYER_ROW_Y, SPRITE_SIZE, SPRITE_SIZE);
        zombie_frames[f] = make_rect(SPRITE_SIZE * f, ZOMBIE_ROW_Y, SPRITE_SIZE, SPRITE_SIZE);
        corpse_frames[f] = make_rect(SPRITE_SIZE * f, CORPSE_ROW_Y, SPRITE_SIZE, SPRITE_SIZE);
    }
    for (int i = 0; i < BLOOD_SPLAT_COUNT; i++)
        blood_frames[i] = make_rect(BLOOD_SPLAT_SIZE * i, 0, BLOOD_SPLAT_SIZE, BLOOD_SPLAT_SIZE);
}

// A reference pixel of the 36x36 sprite turned by `angle` about the centre,
// through its polar position; every intermediate is stored as a float because
// the exact pixels of the facings depend on it.
struct TurnedPoint {
    float x, y;
};

static TurnedPoint turn_reference_pixel(int u, int v, float angle)
{
    const float centre = (float)SPRITE_HALF;
    float theta = (float)atan2(centre - v, centre - u);
    float distance = (float)sqrt((u - centre) * (u - centre) + (v - centre) * (v - centre));
    float turned = angle + theta;
    TurnedPoint point;
    point.x = (float)(cos((double)turned) * distance);
    point.y = (float)(sin((double)turned) * distance);
    return point;
}

// One facing of one sprite row: a nearest-neighbour rotation stepped with
// float additions, the source scaled by 35/36. Samples on or past the
// sprite's edges become the colour key.
static void build_facing(SDL_Surface *source, SDL_Surface *destination, int row_y, int facing,
                         float angle)
{
    const int last = SPRITE_SIZE - 1;
    TurnedPoint a = turn_reference_pixel(0, 0, angle);
    TurnedPoint b = turn_reference_pixel(last, 0, angle);
    TurnedPoint c = turn_reference_pixel(0, last, angle);
    float column_dx = (a.x - b.x) / (float)SPRITE_SIZE;
    float column_dy = (a.y - b.y) / (float)SPRITE_SIZE;
    float row_dx = (a.x - c.x) / (float)SPRITE_SIZE;
    float row_dy = (a.y - c.y) / (float)SPRITE_SIZE;
    float origin_x = (float)((SPRITE_SIZE - SPRITE_SIZE * column_dx) * 0.5);
    float origin_y = (float)((SPRITE_SIZE - SPRITE_SIZE * column_dy) * 0.5 + row_y);
    Uint32 key = key_color(destination);

    for (int row = 0; row < SPRITE_SIZE; row++) {
        int r = row - SPRITE_HALF;
        float sx = r * row_dx + origin_x;
        float sy = r * row_dy + origin_y;
        for (int column = 0; column < SPRITE_SIZE; column++) {
            sx += column_dx;
            sy += column_dy;
            bool inside = sx > 0.0f && sx < (float)SPRITE_SIZE && sy > (float)row_y &&
                          sy < (float)(row_y + SPRITE_SIZE);
            Uint32 pixel = inside && source ? read_surface_pixel(source, (int)sx, (int)sy) : key;
            write_surface_pixel(destination, SPRITE_SIZE * facing + column, row_y + row, pixel);
        }
    }
}

void build_rotated_frames(SDL_Surface *source, SDL_Surface *destination)
{
    if (source && (source->w < SPRITE_SIZE || source->h < PEOPLE_SHEET_H ||
                   source->format->BytesPerPixel != destination->format->BytesPerPixel))
        source = nullptr;
    if (source)
        SDL_LockSurface(source);
    SDL_LockSurface(destination);
    const int rows[] = {PLAYER_ROW_Y, ZOMBIE_ROW_Y, CORPSE_ROW_Y};
    for (int row_y : rows) {
        float angle = 0.0f;
        for (int facing = 0; facing < FACING_COUNT; facing++) {
            // Frame k shows the sprite turned by (k + 1) pi/32: frame 63 is a full turn.
            angle = (float)(angle + FACING_STEP);
            build_facing(source, destination, row_y, facing, angle);
        }
    }
    SDL_UnlockSurface(destination);
    if (source)
        SDL_UnlockSurface(source);
}
