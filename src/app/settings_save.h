// settings_save.h -- the options written back into settings.ini, keeping the player's own lines
#pragma once

#include <string>

const int SAVED_SETTING_LIMIT = 40;  // room for every key the game writes

struct SavedSetting {
    const char *key;
    int value;
    bool is_flag;  // written 0 or 1; any number but 0 reads as on
};

// Every setting the game writes back, at its current value, in the order a
// new file lists them. Returns how many.
int current_settings(SavedSetting *settings);
// The file's text with the settings given: the line that sets a key (the
// last one read) keeps its place, blanks and comment, and only a number
// that reads otherwise is replaced; a key no line sets is added where it
// is still read. Every other line stays as it was.
std::string rewrite_settings(const std::string &old_text, const SavedSetting *settings, int count);
// Writes the current settings through a safe replacement; nothing is
// written when nothing changed. Returns 0 or the errno of the failure, with
// the old file kept.
int save_settings();
