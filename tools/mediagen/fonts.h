// fonts.h -- the game's big bitmap font and the dashboard's small font, rendered through FreeType
#pragma once

#include <string>

#include "picture.h"

// Bold monospaced face of the fonts-dejavu-core package, read when the generator runs.
const char FONT_FACE_PATH[] = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";

const int BIG_FONT_W = 893, BIG_FONT_H = 50;  // 47 x 2 cells of 19 x 25
const int BIG_CELL_W = 19, BIG_CELL_H = 25;
const int BIG_GLYPH_W = 17, BIG_GLYPH_H = 23;  // at offset (1, 1) of the cell
const int BIG_COLUMNS = 47;
const int FIRST_BIG_CHAR = 33, LAST_CHAR = 126;

const int SMALL_CELL = 20;  // dashboard glyph cells, 32 to a row
const int SMALL_COLUMNS = 32;
const int FIRST_SMALL_CHAR = 32;

// Both return false (and leave `error` set) when the face cannot be read.
bool make_big_font(Picture &sheet, std::string &error);
// Draws the 95 small glyphs into the top rows of the dashboard picture.
bool draw_small_font(Picture &dashboard, std::string &error);
