// options.h -- the options screen: loudness, the window, the pointer, the colour depth, the way to the controls
#pragma once

const int VOLUME_STEP = 10;                           // the volumes move in tenths
const int OPTION_MINUS_X = 400, OPTION_PLUS_X = 520;  // the - and + buttons of a row
const int OPTION_VALUE_X = 480;                       // the value between them, centred
const int OPTION_BUTTON_W = 40, OPTION_BUTTON_H = 20;
const int OPTION_BUTTON_DROP = 5;  // a button's box sits this far below its row's top
const int OPTION_TEXT_SIZE = 64;

// Set when the screen opens
extern int options_return_screen;  // where "Back" goes: the main menu or the in-game menu

void open_options_screen(int return_screen);
void options_screen();
// A row of a label with - and + around its value; returns -1, 0 or +1 as clicked.
int draw_stepper_row(const char *label, const char *value);
// "Back": the settings are saved, a failure told, and the screen returns.
void save_settings_with_notice();
