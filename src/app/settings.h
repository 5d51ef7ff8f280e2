// settings.h -- the display options read from settings.ini at start-up
#pragma once

const char SETTINGS_FILE[] = "settings.ini";
const int SETTINGS_MAX_LINES = 100;  // lines past the 100th are never read
const int SETTINGS_LINE_SIZE = 256;  // 255 characters and the terminating zero

// Set once at start-up
extern char settings_lines[SETTINGS_MAX_LINES][SETTINGS_LINE_SIZE];  // blanks removed
extern int settings_line_count;    // 0 when the file could not be opened, else 100
extern bool setting_antialiasing;  // stored only; nothing reads it
extern bool setting_mipmapping;    // stored only; nothing reads it

void read_settings_file();
float setting_value(const char *key);  // 0 when absent
float setting_value_or(const char *key, float absent);
void load_settings();
