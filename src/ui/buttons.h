// buttons.h -- box buttons, panels, gauges and full-width menu rows
#pragma once

const int MENU_FIRST_LINE = 6;    // a menu screen's first row is at y 144
const int MENU_LINE_HEIGHT = 24;  // row n has its top edge at y = 24 n
const int MENU_ROW_HEIGHT = 22;   // hover band and highlight of a row
const int MENU_TEXT_X = 20;       // left edge of menu texts
const int BUTTON_LABEL_RISE = 5;  // a label's top stands 5 px above its frame
const int BAR_LEFT = 20;          // left edge of every gauge's frame
const int BAR_HEIGHT = 20;
// The bottom right button: "Back" in the menus and the editor, "Pause" in a game
const int CORNER_BUTTON_X = 500, CORNER_BUTTON_Y = 400, CORNER_BUTTON_W = 100, CORNER_BUTTON_H = 20;

// Per frame
extern int menu_line;  // row counter of the current menu screen

bool clicked(bool click);  // passes a click on, with its sound
bool draw_button(int x, int y, int w, int h, const char *label);
bool draw_hold_button(int x, int y, int w, int h, const char *label);
bool draw_toggle_button(int x, int y, int w, int h, const char *label, bool on);
bool draw_corner_button(const char *label);
bool draw_back_button();
void draw_panel(int x, int y, int w, int h);
void draw_bar(int y, int width, float fraction);  // a gauge, filled to `fraction` of its width
bool draw_menu_row(const char *label);
bool draw_menu_row(const char *label, bool &lit);  // `lit` tells whether it was drawn lit
