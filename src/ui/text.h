// text.h -- text in the big font on the display, and areas of the menu background
#pragma once

#include "app/glyphs.h"

const int TEXT_LEFT = 1;        // x is where the first cell starts
const int TEXT_CENTER = 2;      // x is the text's centre
const int FRAME_THICKNESS = 2;  // black frame of gauges, buttons and panels

const int TEXT_RIGHT = 3;        // x is where the text ends
const int LARGE_TEXT_SCALE = 2;  // large text: every glyph pixel as a 2 by 2 block

void draw_text(int x, int y, const char *text, int align);
void draw_large_text_centred(int cx, int y, const char *text);
void copy_background_area(bool bright, int x, int y, int w, int h);
