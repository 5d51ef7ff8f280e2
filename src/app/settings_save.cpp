// settings_save.cpp -- the options written back into settings.ini, keeping the player's own lines
#include "app/settings_save.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "app/key_bindings.h"
#include "app/pads.h"
#include "app/safe_write.h"
#include "app/settings.h"

// One row per key the options hold, with where its value lives.
struct SettingSource {
    const char *key;
    const int *as_int;
    const bool *as_flag;
};

static const SettingSource setting_sources[] = {
    {"screenbpp", &setting_color_depth, nullptr},
    {"fullscreen", nullptr, &setting_fullscreen},
    {"scale", &setting_scale, nullptr},
    {"showcursor", nullptr, &setting_show_cursor},
    {"musicvolume", &setting_music_volume, nullptr},
    {"effectsvolume", &setting_effects_volume, nullptr},
    {"attract", nullptr, &setting_attract},
    {"padmovex", &pad_axis_override[STICK_MOVE_X], nullptr},
    {"padmovey", &pad_axis_override[STICK_MOVE_Y], nullptr},
    {"padaimx", &pad_axis_override[STICK_AIM_X], nullptr},
    {"padaimy", &pad_axis_override[STICK_AIM_Y], nullptr},
    {"padfire", &pad_button_override[PAD_FIRE], nullptr},
    {"padsprint", &pad_button_override[PAD_SPRINT], nullptr},
    {"padstart", &pad_button_override[PAD_START], nullptr},
    {"padback", &pad_button_override[PAD_BACK], nullptr},
    {"paddeadzone", &pad_dead_zone, nullptr},
};

int current_settings(SavedSetting *settings)
{
    int count = 0;
    for (const SettingSource &source : setting_sources) {
        bool flag = source.as_flag != nullptr;
        settings[count++] = {source.key, flag ? (int)*source.as_flag : *source.as_int, flag};
    }
    for (int action = 0; action < ACTION_COUNT; action++)
        settings[count++] = {ACTION_SETTING_KEYS[action], key_bindings[action], false};
    return count;
}

// A line of the file with its own line end, so untouched lines come back
// byte for byte.
struct FileLine {
    std::string text;
    std::string end;  // "\n", "\r\n" or "" for a last line without one
};

static std::vector<FileLine> split_lines(const std::string &text)
{
    std::vector<FileLine> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t feed = text.find('\n', pos);
        size_t stop = feed == std::string::npos ? text.size() : feed;
        size_t cr = stop > pos && text[stop - 1] == '\r' ? 1 : 0;
        FileLine line = {text.substr(pos, stop - pos - cr), ""};
        if (feed != std::string::npos)
            line.end = cr ? "\r\n" : "\n";
        lines.push_back(line);
        pos = feed == std::string::npos ? text.size() : feed + 1;
    }
    return lines;
}

// How many lines the game reads: the first 100, up to and without a line
// too long to hold, after which it reads nothing.
static int readable_lines(const std::vector<FileLine> &lines)
{
    int count = 0;
    while (count < (int)lines.size() && count < SETTINGS_MAX_LINES &&
           lines[count].text.size() < (size_t)SETTINGS_LINE_SIZE)
        count++;
    return count;
}

static std::string without_blanks(const std::string &text)
{
    std::string out;
    for (char c : text)
        if (c != ' ')
            out += c;
    return out;
}

static bool sets_key(const std::string &line, const char *key)
{
    std::string bare = without_blanks(line);
    size_t length = strlen(key);
    return bare.compare(0, length, key) == 0 && bare.size() > length && bare[length] == '=';
}

static bool reads_as(const std::string &line, const SavedSetting &setting)
{
    std::string bare = without_blanks(line);
    double value = atof(bare.c_str() + strlen(setting.key) + 1);
    if (setting.is_flag)
        return (value != 0.0) == (setting.value != 0);
    return value > -2147483648.0 && value < 2147483648.0 && (int)value == setting.value;
}

// The number after "=" is replaced; blanks inside it (which the reader
// drops) go with it, the blanks before it and whatever follows it stay.
static std::string with_value(const std::string &line, const SavedSetting &setting)
{
    size_t pos = 0, wanted = strlen(setting.key) + 1;  // the key and "=", blanks aside
    for (size_t seen = 0; seen < wanted; pos++)
        if (line[pos] != ' ')
            seen++;
    while (pos < line.size() && line[pos] == ' ')
        pos++;
    std::string bare = without_blanks(line.substr(pos));
    char *end = nullptr;
    strtod(bare.c_str(), &end);
    size_t number = (size_t)(end - bare.c_str()), stop = pos;
    for (size_t taken = 0; taken < number; stop++)
        if (line[stop] != ' ')
            taken++;
    return line.substr(0, pos) + std::to_string(setting.value) + line.substr(stop);
}

// New keys come last, but above line 100 of a long file, where they would
// never be read; they take the file's own line end.
std::string rewrite_settings(const std::string &old_text, const SavedSetting *settings, int count)
{
    std::vector<FileLine> lines = split_lines(old_text);
    int readable = readable_lines(lines);
    std::string line_end = !lines.empty() && lines[0].end == "\r\n" ? "\r\n" : "\n";
    std::vector<FileLine> added;
    for (int i = 0; i < count; i++) {
        int last = -1;
        for (int n = 0; n < readable; n++)
            if (sets_key(lines[n].text, settings[i].key))
                last = n;
        if (last < 0)
            added.push_back(
                {std::string(settings[i].key) + " = " + std::to_string(settings[i].value),
                 line_end});
        else if (!reads_as(lines[last].text, settings[i]))
            lines[last].text = with_value(lines[last].text, settings[i]);
    }
    int room = SETTINGS_MAX_LINES - (int)added.size();
    int at = readable < room ? readable : (room > 0 ? room : 0);
    if (at > 0 && lines[at - 1].end.empty())
        lines[at - 1].end = line_end;
    lines.insert(lines.begin() + at, added.begin(), added.end());
    std::string text;
    for (const FileLine &line : lines)
        text += line.text + line.end;
    return text;
}

// A file too large to read whole is not rewritten: most of it would be lost.
int save_settings()
{
    std::string old_text;
    int error = read_regular_file(SETTINGS_FILE, old_text);
    if (error && error != ENOENT)
        return error;
    SavedSetting settings[SAVED_SETTING_LIMIT];
    int count = current_settings(settings);
    std::string text = rewrite_settings(old_text, settings, count);
    if (!error && text == old_text)
        return 0;
    return replace_file(SETTINGS_FILE, text);
}
