// text.h -- the bitmap font, text on the display and the view, background areas
#pragma once

const int FIRST_GLYPH_CHAR = 33;  // '!', entry 0 of glyph_rects
const int LAST_GLYPH_CHAR = 126;  // '~'
const int GLYPH_ADVANCE = 12;     // every character moves the pen 12 px; glyphs overlap by 5
const int TEXT_LEFT = 1;          // x is where the first cell starts
const int TEXT_CENTER = 2;        // x is the text's centre
const int FRAME_THICKNESS = 2;    // black frame of gauges, buttons and panels

void draw_text(int x, int y, const char *text, int align);
void draw_label_on_view(int x, int y, const char *text);
void copy_background_area(bool bright, int x, int y, int w, int h);
