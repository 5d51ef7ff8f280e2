// sprite_tables.h -- the source rectangles of every sheet, and the people's 64 rotated facings
#pragma once

#include <SDL.h>

#include "app/artwork_layout.h"

// Set once at start-up
extern SDL_Rect glyph_rects[GLYPH_COUNT];     // entry = character - 33
extern SDL_Rect tile_rects[TILE_CELL_COUNT];  // by cell
extern SDL_Rect player_frames[FACING_COUNT];  // by facing
extern SDL_Rect zombie_frames[FACING_COUNT];
extern SDL_Rect corpse_frames[FACING_COUNT];
extern SDL_Rect blood_frames[BLOOD_SPLAT_COUNT];

void fill_sprite_tables();
// Builds the 64 facings of the player, zombie and corpse rows into
// `destination` (2304x108) from `source` (36x108, same pixel format). A
// missing or too small source leaves every facing blank.
void build_rotated_frames(SDL_Surface *source, SDL_Surface *destination);
