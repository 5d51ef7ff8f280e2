// overlay.h -- the system overlay's dashboard: bars, clock, small font and its three buttons
#pragma once

#include <SDL.h>

const int FIRST_SMALL_GLYPH = 32;  // ' ', entry 0 of small_glyph_rects
const int LAST_SMALL_GLYPH = 126;  // '~'
const int SMALL_GLYPH_COUNT = LAST_SMALL_GLYPH - FIRST_SMALL_GLYPH + 1;
const int SMALL_GLYPH_COLUMNS = 32;  // cells per row of the dashboard's font
const int SMALL_GLYPH_SIZE = 20;     // a cell is 20 by 20 pixels
const int SMALL_TEXT_ADVANCE = 10;   // pixels per character: half a cell
const int SMALL_TEXT_SHIFT = 5;      // cells start this far left of the pen

const int PANEL_SETS = 2;         // 0 normal frame, 1 highlighted frame
const int PANEL_PIECE_SIZE = 20;  // every frame piece is 20 by 20
const int PANEL_PIECES_Y = 60;    // top of the frame pieces in the dashboard
const int PANEL_SET_WIDTH = 60;   // three pieces across per set
const int PANEL_INNER_W = 300;    // inner area of a button frame
const int PANEL_INNER_H = 15;     // middle row pieces are cut to this height

const int OVERLAY_SLIDE = 60;  // how far the bars stand off screen when closed
const int OVERLAY_BAR_HEIGHT = 60;
// The two bars' pictures in the dashboard artwork, one below the other
const int TOP_BAR_SOURCE_Y = 120;
const int BOTTOM_BAR_SOURCE_Y = TOP_BAR_SOURCE_Y + OVERLAY_BAR_HEIGHT;
const int BUTTON_HALF_W = 150;       // a button's inner area starts this far left of its centre
const int BUTTON_INNER_RISE = 7;     // and this far above it
const int OVERLAY_LABEL_RISE = 10;   // the label's cells start this far above the centre
const int OVERLAY_MARGIN = 20;       // left and right margin of the bar texts
const int OVERLAY_TEXT_LINE_1 = 18;  // top bar: name, date
const int OVERLAY_TEXT_LINE_2 = 38;  // top bar: version, time
const int FOOTER_LINE_1_Y = 3;       // footer texts, below the bottom bar's top less one
const int FOOTER_LINE_2_Y = 23;
const int OVERLAY_BUTTON_GAP = 50;    // between the centres of two buttons
const int OVERLAY_BUTTON_RISE = 125;  // the first button's centre stands this far above mid-screen
const int FOOTER_LINE_SIZE = 256;
const int VERSION_TEXT_SIZE = 64;

const int EXIT_QUESTION_SIZE = 160;
const int EXIT_QUESTION_GAP = 22;  // between the question's two lines

// Per frame
extern bool exit_asked;  // "Exit" met something to lose once; a second "Exit" quits

// Set once at start-up
extern SDL_Rect small_glyph_rects[SMALL_GLYPH_COUNT];  // entry = character - 32
extern SDL_Rect panel_piece_rects[PANEL_SETS][3]
                                 [3];  // [set][row][column]: top/middle/bottom, left/middle/right
extern SDL_Rect top_bar_rect;
extern SDL_Rect bottom_bar_rect;
extern char footer_line_1[FOOTER_LINE_SIZE];  // empty
extern char footer_line_2[FOOTER_LINE_SIZE];  // the studio's web address

void init_overlay();
void draw_overlay();
void run_overlay_buttons();
// What quitting now would lose, as the first line of the question, or false
// when nothing would be lost.
bool exit_would_lose(char *question, int size);
bool overlay_button(const char *label, int cx, int cy);
void draw_small_text(int x, int y, const char *text);
void draw_small_text_centred(int cx, int y, const char *text);  // centred on cx
void format_version_text(char *text, int size, float version);
