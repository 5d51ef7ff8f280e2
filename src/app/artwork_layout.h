// artwork_layout.h -- how the picture sheets the game loads are laid out, shared with the media generator that draws them
#pragma once

// One tile is 100 by 100 pixels on the tile sheet and 100 by 100 world
// pixels on the map: the floor is painted one to one.
const int TILE_SIZE = 100;
const int TILE_CELL_COUNT = 48;  // 4 across, 12 down in maptiles.png
const int TILE_CELL_COLUMNS = 4;

const int GLYPH_COUNT = 94;                      // characters 33 to 126
const int GLYPH_COLUMNS = 47;                    // glyphs per row of font.png
const int GLYPH_CELL_W = 19, GLYPH_CELL_H = 25;  // cell pitch in font.png
const int GLYPH_W = 17, GLYPH_H = 23;            // glyph at offset (1,1) of its cell

const int FACING_COUNT = 64;  // pre-rotated facings per person sprite
const int SPRITE_SIZE = 36;   // a person sprite is 36 by 36 pixels
// A person's centre lies this far right of and below its sprite's corner
const int SPRITE_HALF = SPRITE_SIZE / 2;
const int PLAYER_ROW_Y = 0, ZOMBIE_ROW_Y = 36, CORPSE_ROW_Y = 72;  // rows of people.png
const int PEOPLE_ROWS = 3;

const int BLOOD_SPLAT_COUNT = 16;
const int BLOOD_SPLAT_SIZE = 46;
