// text.h -- text in the big font on the display, and areas of the menu background
#pragma once

#include "app/glyphs.h"

const int TEXT_LEFT = 1;        // x is where the first cell starts
const int TEXT_CENTER = 2;      // x is the text's centre
const int FRAME_THICKNESS = 2;  // black frame of gauges, buttons and panels

void draw_text(int x, int y, const char *text, int align);
void copy_background_area(bool bright, int x, int y, int w, int h);
