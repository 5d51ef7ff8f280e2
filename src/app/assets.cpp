// assets.cpp -- loading the artwork and music, sprite tables, rotated facings, border darkness
#include "app/assets.h"

#include <SDL_image.h>
#include <cmath>
#include <cstdio>

#include "app/display.h"
#include "app/folders.h"
#include "app/pixels.h"
#include "app/sound.h"

char game_name[GAME_NAME_SIZE];
float version_number = 0.0f;
SDL_Surface *view_surface = nullptr;
SDL_Surface *background_image = nullptr;
SDL_Surface *background_bright_image = nullptr;
SDL_Surface *font_image = nullptr;
SDL_Surface *tile_image = nullptr;
SDL_Surface *people_image = nullptr;
SDL_Surface *blood_image = nullptr;
SDL_Surface *world_surface = nullptr;
SDL_Rect glyph_rects[GLYPH_COUNT];
SDL_Rect tile_rects[TILE_CELL_COUNT];
SDL_Rect player_frames[FACING_COUNT];
SDL_Rect zombie_frames[FACING_COUNT];
SDL_Rect corpse_frames[FACING_COUNT];
SDL_Rect blood_frames[BLOOD_SPLAT_COUNT];
int border_darkness[VIEW_W * VIEW_H];
Mix_Music *music_track = nullptr;
Sint16 darkness_rows[VIEW_W * VIEW_H];
DarknessRun darkness_runs[VIEW_W * VIEW_H];
int darkness_row_first_run[VIEW_H + 1];

const float VERSION = 1.0f;
const int PEOPLE_SHEET_W = FACING_COUNT * SPRITE_SIZE;  // 2304
const int PEOPLE_SHEET_H = 3 * SPRITE_SIZE;             // 108
const double FACING_STEP = 0.09817477315664291;         // pi/32: one of 64 facings

void report_missing(const char *path, const char *reason)
{
    fprintf(stderr, "rotwalk: cannot load %s: %s\n", path, reason);
}

SDL_Surface *load_data_image(const char *path)
{
    SDL_Surface *loaded = IMG_Load(data_file(path).c_str());
    if (!loaded)
        report_missing(path, IMG_GetError());
    return loaded;
}

static SDL_Surface *load_converted(const char *path, bool with_alpha)
{
    SDL_Surface *loaded = load_data_image(path);
    if (!loaded)
        return nullptr;
    SDL_Surface *converted =
        with_alpha ? SDL_DisplayFormatAlpha(loaded) : SDL_DisplayFormat(loaded);
    SDL_FreeSurface(loaded);
    if (!converted)
        report_missing(path, SDL_GetError());
    return converted;
}

Uint32 key_color(SDL_Surface *surface)
{
    return SDL_MapRGB(surface->format, KEY_RED, KEY_GREEN, KEY_BLUE);
}

static SDL_Surface *load_opaque_image(const char *path)
{
    return load_converted(path, false);
}

static SDL_Surface *load_keyed_image(const char *path)
{
    SDL_Surface *image = load_converted(path, false);
    if (image)
        SDL_SetColorKey(image, SDL_SRCCOLORKEY, key_color(image));
    return image;
}

SDL_Surface *load_alpha_image(const char *path)
{
    return load_converted(path, true);
}

void fill_sprite_tables()
{
    for (int i = 0; i < GLYPH_COUNT; i++)
        glyph_rects[i] = make_rect(GLYPH_CELL_W * (i % GLYPH_COLUMNS) + 1,
                                   GLYPH_CELL_H * (i / GLYPH_COLUMNS) + 1, GLYPH_W, GLYPH_H);
    for (int k = 0; k < TILE_CELL_COUNT; k++)
        tile_rects[k] = make_rect(TILE_PIXELS * (k % TILE_CELL_COLUMNS),
                                  TILE_PIXELS * (k / TILE_CELL_COLUMNS), TILE_PIXELS, TILE_PIXELS);
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

// Builds the 64 facings of the player, zombie and corpse rows into
// `destination` (2304x108) from `source` (36x108, same pixel format). A
// missing or too small source leaves every facing blank.
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

static Uint8 red_of(SDL_Surface *surface, Uint32 pixel)
{
    Uint8 red, green, blue;
    split_pixel(pixel, surface->format, &red, &green, &blue);
    return red;
}

// Stores red - 255 for every view pixel, column by column. Where the picture
// has no pixel (missing or smaller than the view) the view stays fully lit.
void read_border_darkness(SDL_Surface *picture)
{
    for (int i = 0; i < VIEW_W * VIEW_H; i++)
        border_darkness[i] = 0;
    if (!picture) {
        index_border_darkness();
        return;
    }
    SDL_LockSurface(picture);
    int width = picture->w < VIEW_W ? picture->w : VIEW_W;
    int height = picture->h < VIEW_H ? picture->h : VIEW_H;
    for (int x = 0; x < width; x++)
        for (int y = 0; y < height; y++)
            border_darkness[x * VIEW_H + y] =
                red_of(picture, read_surface_pixel(picture, x, y)) - 255;
    SDL_UnlockSurface(picture);
    index_border_darkness();
}

void index_border_darkness()
{
    int run_count = 0;
    for (int y = 0; y < VIEW_H; y++) {
        darkness_row_first_run[y] = run_count;
        for (int x = 0; x < VIEW_W; x++) {
            int darkness = border_darkness[x * VIEW_H + y];
            darkness_rows[y * VIEW_W + x] = (Sint16)darkness;
            bool lit = darkness == 0;
            if (x == 0 || darkness_runs[run_count - 1].lit != lit)
                darkness_runs[run_count++] = DarknessRun{(Sint16)x, (Sint16)(x + 1), lit};
            else
                darkness_runs[run_count - 1].end = (Sint16)(x + 1);
        }
    }
    darkness_row_first_run[VIEW_H] = run_count;
}

static void load_people()
{
    people_image = create_display_like_surface(PEOPLE_SHEET_W, PEOPLE_SHEET_H);
    SDL_Surface *source = load_keyed_image(PEOPLE_FILE);
    build_rotated_frames(source, people_image);
    SDL_SetColorKey(people_image, SDL_SRCCOLORKEY, key_color(people_image));
    SDL_FreeSurface(source);
}

static void load_border_darkness()
{
    SDL_Surface *picture = load_data_image(BORDER_DARKNESS_FILE);
    read_border_darkness(picture);
    SDL_FreeSurface(picture);
}

static void start_music()
{
    // Zeros ask SDL for its default rate, format, channels and buffer. An
    // earlier message must not pass for the reason of a failure here.
    SDL_ClearError();
    if (Mix_OpenAudio(0, 0, 0, 0) < 0) {
        const char *reason = Mix_GetError();
        fprintf(stderr, "rotwalk: no sound: %s\n", reason[0] ? reason : "no audio device");
        return;
    }
    audio_open = true;
    load_effects();
    if (setting_music_volume == 0)
        return;  // silence without loading anything
    Mix_VolumeMusic(MIX_MAX_VOLUME * setting_music_volume / FULL_VOLUME);
    music_track = Mix_LoadMUS(data_file(MUSIC_FILE).c_str());
    if (!music_track) {
        report_missing(MUSIC_FILE, Mix_GetError());
        return;
    }
    Mix_PlayMusic(music_track, -1);
}

void load_assets()
{
    snprintf(game_name, sizeof game_name, "%s", GAME_NAME);
    version_number = VERSION;
    fill_sprite_tables();
    view_surface = SDL_DisplayFormat(display_surface);
    background_image = load_opaque_image(BACKGROUND_FILE);
    background_bright_image = load_opaque_image(BACKGROUND_BRIGHT_FILE);
    font_image = load_keyed_image(FONT_FILE);
    tile_image = load_keyed_image(TILES_FILE);
    load_people();
    blood_image = load_alpha_image(BLOOD_FILE);
    world_surface = create_display_like_surface(WORLD_PIXELS, WORLD_PIXELS);
    load_border_darkness();
    start_music();
}

static void free_surface(SDL_Surface *&surface)
{
    SDL_FreeSurface(surface);
    surface = nullptr;
}

// Everything load_assets made, so a shut-down leaves nothing behind.
void release_assets()
{
    if (music_track) {
        Mix_HaltMusic();
        Mix_FreeMusic(music_track);
        music_track = nullptr;
    }
    free_effects();
    if (audio_open)
        Mix_CloseAudio();
    audio_open = false;
    SDL_Surface **surfaces[] = {&view_surface, &background_image, &background_bright_image,
                                &font_image,   &tile_image,       &people_image,
                                &blood_image,  &world_surface};
    for (SDL_Surface **surface : surfaces)
        free_surface(*surface);
}
