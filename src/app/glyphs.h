// glyphs.h -- the big font's glyphs blitted onto any surface: the menus' text and the players' labels
#pragma once

#include <SDL.h>

const int FIRST_GLYPH_CHAR = 33;   // '!', entry 0 of glyph_rects
const int LAST_GLYPH_CHAR = 126;   // '~'
const int GLYPH_ADVANCE = 12;      // every character moves the pen 12 px; glyphs overlap by 5
const int CENTRED_TEXT_SHIFT = 6;  // a centred text starts this much left of its half width

// Where the first cell of a text of `length` characters centred on x starts.
int centred_text_start(int x, int length);
// Characters without a glyph (space, control codes, 127 and up) still
// advance the pen.
void draw_glyphs(SDL_Surface *destination, int pen_x, int y, const char *text);
void draw_label_on_view(int x, int y, const char *text);  // centred on x, on view_surface
