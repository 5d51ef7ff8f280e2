// fonts.h -- the game's big bitmap font and the dashboard's small font, rendered through FreeType
#pragma once

#include <string>

#include "app/artwork_layout.h"
#include "app/glyphs.h"
#include "picture.h"
#include "ui/overlay.h"

// Bold monospaced face of the fonts-dejavu-core package, read when the generator runs.
const char FONT_FACE_PATH[] = "/usr/share/fonts/truetype/dejavu/DejaVuSansMono-Bold.ttf";

// font.png: GLYPH_COLUMNS cells of GLYPH_CELL_W by GLYPH_CELL_H a row, as many rows as it takes.
const int BIG_FONT_ROWS = (GLYPH_COUNT + GLYPH_COLUMNS - 1) / GLYPH_COLUMNS;
const int BIG_FONT_W = GLYPH_COLUMNS * GLYPH_CELL_W, BIG_FONT_H = BIG_FONT_ROWS * GLYPH_CELL_H;
const int GLYPH_INSET = 1;  // a glyph lies this far right of and below its cell's corner
static_assert(LAST_GLYPH_CHAR - FIRST_GLYPH_CHAR + 1 == GLYPH_COUNT, "a glyph per character");

// Where glyph `entry` (character - FIRST_GLYPH_CHAR) starts in font.png.
inline int glyph_x(int entry)
{
    return (entry % GLYPH_COLUMNS) * GLYPH_CELL_W + GLYPH_INSET;
}
inline int glyph_y(int entry)
{
    return (entry / GLYPH_COLUMNS) * GLYPH_CELL_H + GLYPH_INSET;
}

// Where the cell of small glyph `entry` (character - FIRST_SMALL_GLYPH) starts in the dashboard.
inline int small_glyph_x(int entry)
{
    return (entry % SMALL_GLYPH_COLUMNS) * SMALL_GLYPH_SIZE;
}
inline int small_glyph_y(int entry)
{
    return (entry / SMALL_GLYPH_COLUMNS) * SMALL_GLYPH_SIZE;
}

// Both return false (and leave `error` set) when the face cannot be read.
bool make_big_font(Picture &sheet, std::string &error);
// Draws the SMALL_GLYPH_COUNT small glyphs into the top rows of the dashboard picture.
bool draw_small_font(Picture &dashboard, std::string &error);
