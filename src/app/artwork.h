// artwork.h -- the pictures loaded at start-up from Media/
#pragma once

#include <SDL.h>

#include <string>

#include "app/artwork_layout.h"

// Cyan marks transparent pixels in colour-keyed artwork.
const Uint8 KEY_RED = 0, KEY_GREEN = 255, KEY_BLUE = 255;

const char GAME_NAME[] = "Rotwalk";
const int GAME_NAME_SIZE = 256;

const char BACKGROUND_FILE[] = "Media/Game/bg.png";
const char BACKGROUND_BRIGHT_FILE[] = "Media/Game/bgbright.png";
const char FONT_FILE[] = "Media/Game/font.png";
const char TILES_FILE[] = "Media/Game/maptiles.png";
const char PEOPLE_FILE[] = "Media/Game/people.png";
const char BLOOD_FILE[] = "Media/Game/blood.png";
const char DASHBOARD_FILE[] = "Media/dashboard.png";

// Set once at start-up
extern char game_name[GAME_NAME_SIZE];        // "Rotwalk", shown on the dashboard
extern float version_number;                  // 1.0, shown on the dashboard
extern SDL_Surface *view_surface;             // 640x480, display format: the game scene
extern SDL_Surface *background_image;         // menu background
extern SDL_Surface *background_bright_image;  // the same, brighter, for highlights
extern SDL_Surface *font_image;               // glyph sheet, keyed
extern SDL_Surface *tile_image;               // map tiles and wall overlays, keyed
extern SDL_Surface *people_image;  // 2304x108: 64 facings of player, zombie, corpse; keyed
extern SDL_Surface *blood_image;   // blood splats, per-pixel alpha
// Small font, panel pieces, pointer and bars; null until loaded
extern SDL_Surface *dashboard_image;

void load_artwork();     // everything but the dashboard, which the overlay loads first
void release_artwork();  // what load_artwork made
void load_dashboard();
SDL_Surface *load_alpha_image(const char *path);
SDL_Surface *load_keyed_image(const char *path);
// A missing file is named once on stderr, so a player who starts the game from
// the wrong folder learns why the window is black.
void report_missing(const char *path, const char *reason);
SDL_Surface *load_data_image(const char *path);  // from the data folder, as loaded; null if missing
// Media files are read whole by the game itself, so a data folder with any
// letters in its path opens on every system; no media file is near this size.
const long MAX_MEDIA_BYTES = 64L << 20;
// A file of the data folder in `bytes`; "" or why it cannot be read.
std::string read_data_file(const char *path, std::string &bytes);
Uint32 key_color(SDL_Surface *surface);
