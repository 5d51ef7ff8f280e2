// settings.cpp -- reading settings.ini: one "key = number" per line
#include "app/settings.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "app/display.h"
#include "app/key_bindings.h"
#include "app/safe_write.h"
#include "app/sound.h"

char settings_lines[SETTINGS_MAX_LINES][SETTINGS_LINE_SIZE];
int settings_line_count = 0;
bool setting_fullscreen = false;
bool setting_show_cursor = false;
int setting_scale = SCALE_ABSENT;
int setting_color_depth = 0;
int setting_music_volume = MUSIC_VOLUME_ABSENT;
int setting_effects_volume = EFFECTS_VOLUME_ABSENT;
bool setting_attract = true;

// How a setting's number is stored: exactly one target is set per row.
struct SettingKey {
    const char *key;
    float *as_float;  // the number itself
    int *as_int;      // truncated toward zero
    bool *as_bool;    // true when not 0
    float absent;     // the value when no line gives the key
};

static const SettingKey setting_keys[] = {
    {"screenw", &display_width, nullptr, nullptr, 0.0f},
    {"screenh", &display_height, nullptr, nullptr, 0.0f},
    {"screenbpp", nullptr, &color_depth, nullptr, 0.0f},
    {"fullscreen", nullptr, nullptr, &setting_fullscreen, 0.0f},
    {"showcursor", nullptr, nullptr, &setting_show_cursor, 0.0f},
    // "antialiasing" and "mipmapping" may stand in the file; they change nothing.
    {"scale", nullptr, &setting_scale, nullptr, (float)SCALE_ABSENT},
    {"musicvolume", nullptr, &setting_music_volume, nullptr, (float)MUSIC_VOLUME_ABSENT},
    {"effectsvolume", nullptr, &setting_effects_volume, nullptr, (float)EFFECTS_VOLUME_ABSENT},
    {"attract", nullptr, nullptr, &setting_attract, 1.0f},
};

// Reads one line from text at pos into `line` (at most 255 characters, line
// feed dropped, a carriage return before it too, as text mode does). Returns
// false when no further line may be read: the end of the text, or a line too
// long to hold, whose tail would otherwise be taken for the next line.
static bool read_settings_line(const std::string &text, size_t &pos, char *line)
{
    int length = 0;
    for (;;) {
        if (pos >= text.size()) {
            line[length] = '\0';
            return false;
        }
        char c = text[pos++];
        if (c == '\r' && pos < text.size() && text[pos] == '\n')
            c = text[pos++];
        if (c == '\n') {
            line[length] = '\0';
            return true;
        }
        if (length == SETTINGS_LINE_SIZE - 1) {
            line[length] = '\0';
            return false;
        }
        line[length++] = c;
    }
}

static void remove_blanks(char *line)
{
    char *out = line;
    for (const char *in = line; *in; in++) {
        if (*in != ' ')
            *out++ = *in;
    }
    *out = '\0';
}

void read_settings_file()
{
    settings_line_count = 0;
    memset(settings_lines, 0, sizeof settings_lines);
    // A folder or a pipe where the file belongs counts as no file; of a huge
    // one only the start that can hold the lines read is taken.
    std::string text;
    if (read_file_start(SETTINGS_FILE, SETTINGS_READ_BYTES, text) != 0)
        return;
    size_t pos = 0;
    bool more = true;
    for (int i = 0; i < SETTINGS_MAX_LINES && more; i++)
        more = read_settings_line(text, pos, settings_lines[i]);
    settings_line_count = SETTINGS_MAX_LINES;
    for (int i = 0; i < SETTINGS_MAX_LINES; i++)
        remove_blanks(settings_lines[i]);
}

// The key must start the line and be followed by "=", so "screenw" never
// matches "screenwidth=". The last matching line wins.
float setting_value_or(const char *key, float absent)
{
    float value = absent;
    if (settings_line_count <= 0)
        return value;
    size_t key_length = strlen(key);
    for (int i = 0; i < SETTINGS_MAX_LINES; i++) {
        const char *line = settings_lines[i];
        if (strncmp(line, key, key_length) == 0 && line[key_length] == '=')
            value = (float)atof(line + key_length + 1);
    }
    return value;
}

float setting_value(const char *key)
{
    return setting_value_or(key, 0.0f);
}

// A number too large for an int (or not a number) falls back to 0, the
// value of an absent key, instead of an undefined conversion.
static int truncate_to_int(float value)
{
    if (!(value > -2147483648.0f && value < 2147483648.0f))
        return 0;
    return (int)value;
}

void load_settings()
{
    read_settings_file();
    for (const SettingKey &setting : setting_keys) {
        float value = setting_value_or(setting.key, setting.absent);
        if (setting.as_float)
            *setting.as_float = value;
        if (setting.as_int)
            *setting.as_int = truncate_to_int(value);
        if (setting.as_bool)
            *setting.as_bool = value != 0.0f;
    }
    setting_music_volume = clamp_volume(setting_music_volume);
    setting_effects_volume = clamp_volume(setting_effects_volume);
    setting_color_depth = color_depth;  // the window may get another; this one is kept
    read_key_bindings();
}
