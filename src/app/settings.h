// settings.h -- the options read from settings.ini at start-up, every one of them here
#pragma once

const char SETTINGS_FILE[] = "settings.ini";
const int SETTINGS_MAX_LINES = 100;  // lines past the 100th are never read
const int SETTINGS_LINE_SIZE = 256;  // 255 characters and the terminating zero
// Every line read fits: 255 characters, a carriage return and a line feed each.
const long SETTINGS_READ_BYTES = (long)SETTINGS_MAX_LINES * (SETTINGS_LINE_SIZE + 1);

// What an absent key means: an older settings file has no scale, and its
// window looks as it always did.
const int SCALE_ABSENT = 1;
const int MUSIC_VOLUME_ABSENT = 100;
const int EFFECTS_VOLUME_ABSENT = 80;

// Set at start-up; the options screen changes the settings
extern char settings_lines[SETTINGS_MAX_LINES][SETTINGS_LINE_SIZE];  // blanks removed
extern int settings_line_count;     // 0 when the file could not be opened, else 100
extern bool setting_fullscreen;     // full screen at start; Alt+Enter changes the window only
extern bool setting_show_cursor;    // the system pointer; ours is always drawn
extern int setting_scale;           // 0 fits the desktop, 1, 2, 3 ... ask for that multiple
extern int setting_music_volume;    // 0 to 100; 0 loads no music
extern int setting_effects_volume;  // 0 to 100; 0 loads no effects
extern bool setting_attract;        // the main menu plays a shipped replay when left alone
extern int setting_color_depth;     // screenbpp as asked: 0, 16, 32; the window's is color_depth

void read_settings_file();
float setting_value(const char *key);  // 0 when absent
float setting_value_or(const char *key, float absent);
void load_settings();
