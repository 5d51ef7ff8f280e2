// assets.h -- artwork, sprite tables, border darkness and music loaded at start-up
#pragma once

#include <SDL.h>
#include <SDL_mixer.h>

#include "app/display.h"

// Cyan marks transparent pixels in colour-keyed artwork.
const Uint8 KEY_RED = 0, KEY_GREEN = 255, KEY_BLUE = 255;

const char GAME_NAME[] = "Rotwalk";
const int GAME_NAME_SIZE = 256;
const int GLYPH_COUNT = 94;                      // characters 33 to 126
const int GLYPH_COLUMNS = 47;                    // glyphs per row of font.png
const int GLYPH_CELL_W = 19, GLYPH_CELL_H = 25;  // cell pitch in font.png
const int GLYPH_W = 17, GLYPH_H = 23;            // glyph at offset (1,1) of its cell
const int TILE_CELL_COUNT = 48;                  // 4 across, 12 down in maptiles.png
const int TILE_CELL_COLUMNS = 4;
const int TILE_PIXELS = 100;  // a tile cell is 100 by 100 pixels
const int FACING_COUNT = 64;  // pre-rotated facings per person sprite
const int SPRITE_SIZE = 36;   // a person sprite is 36 by 36 pixels
// A person's centre lies this far right of and below its sprite's corner
const int SPRITE_HALF = SPRITE_SIZE / 2;
const int PLAYER_ROW_Y = 0, ZOMBIE_ROW_Y = 36, CORPSE_ROW_Y = 72;  // rows of people.png
const int BLOOD_SPLAT_COUNT = 16;
const int BLOOD_SPLAT_SIZE = 46;
const int WORLD_PIXELS = 5000;  // world_surface is 5000 by 5000

const char BACKGROUND_FILE[] = "Media/Game/bg.png";
const char BACKGROUND_BRIGHT_FILE[] = "Media/Game/bgbright.png";
const char FONT_FILE[] = "Media/Game/font.png";
const char TILES_FILE[] = "Media/Game/maptiles.png";
const char PEOPLE_FILE[] = "Media/Game/people.png";
const char BLOOD_FILE[] = "Media/Game/blood.png";
const char BORDER_DARKNESS_FILE[] = "Media/Game/borderdarkness.png";
const char MUSIC_FILE[] = "Media/Game/Selvane - Surrounded loop.ogg";

// Set once at start-up
extern char game_name[GAME_NAME_SIZE];        // "Rotwalk", shown on the dashboard
extern float version_number;                  // 1.0, shown on the dashboard
extern SDL_Surface *view_surface;             // 640x480, display format: the game scene
extern SDL_Surface *background_image;         // menu background
extern SDL_Surface *background_bright_image;  // the same, brighter, for highlights
extern SDL_Surface *font_image;               // glyph sheet, keyed
extern SDL_Surface *tile_image;               // map tiles and wall overlays, keyed
extern SDL_Surface *people_image;          // 2304x108: 64 facings of player, zombie, corpse; keyed
extern SDL_Surface *blood_image;           // blood splats, per-pixel alpha
extern SDL_Surface *world_surface;         // 5000x5000: the floor of the whole map
extern SDL_Rect glyph_rects[GLYPH_COUNT];  // entry = character - 33
extern SDL_Rect tile_rects[TILE_CELL_COUNT];  // by cell
extern SDL_Rect player_frames[FACING_COUNT];  // by facing
extern SDL_Rect zombie_frames[FACING_COUNT];
extern SDL_Rect corpse_frames[FACING_COUNT];
extern SDL_Rect blood_frames[BLOOD_SPLAT_COUNT];
extern int border_darkness[VIEW_W * VIEW_H];  // column-major: x*480 + y; -255 black .. 0 lit
extern Mix_Music *music_track;

// The darkness again, row by row, cut into runs of fully lit and of dark
// pixels, so the per-frame lighting reads it in order and copies lit runs
// straight. Rebuilt from border_darkness by index_border_darkness().
struct DarknessRun {
    Sint16 start, end;  // columns start .. end - 1
    bool lit;           // every darkness value of the run is 0
};
extern Sint16 darkness_rows[VIEW_W * VIEW_H];  // row-major: y*640 + x
extern DarknessRun darkness_runs[VIEW_W * VIEW_H];
extern int darkness_row_first_run[VIEW_H + 1];  // runs of row y: first[y] .. first[y+1]-1

void load_assets();
void release_assets();
SDL_Surface *load_alpha_image(const char *path);
// A missing file is named once on stderr, so a player who starts the game from
// the wrong folder learns why the window is black.
void report_missing(const char *path, const char *reason);
SDL_Surface *load_data_image(const char *path);  // from the data folder, as loaded; null if missing
Uint32 key_color(SDL_Surface *surface);

void fill_sprite_tables();
void build_rotated_frames(SDL_Surface *source, SDL_Surface *destination);
void read_border_darkness(SDL_Surface *picture);
void index_border_darkness();
