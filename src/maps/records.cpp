// records.cpp -- the best game on each map: most kills and longest survival, kept in Saves/records.txt
#include "maps/records.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "app/folders.h"
#include "app/safe_write.h"
#include "game/world.h"

MapRecord map_records[MAX_RECORDS];
int map_record_count = 0;

// One line per map, mode and player count: its name, a tab, the kills, a
// tab, the seconds; then tagged pairs, each a tab, a tag, a tab and a number:
// "waves" and the best wave on a Waves line, "players" and the count on a
// line of several players. Blanks may stand in a name, control characters
// never: a name that holds a tab or a line end gets no record. A name may
// begin with '#', so a line is a comment only when it is no record.
static const char RECORDS_HEADER[] =
    "# Rotwalk bests: map, most kills, longest survival in seconds\n";
const size_t FIXED_FIELDS = 3;

static bool read_count(const std::string &text, int limit, int &value)
{
    long number = 0;
    if (!parse_whole_number(text.c_str(), 0, limit, number))
        return false;
    value = (int)number;
    return true;
}

static std::vector<std::string> tab_fields(const std::string &line)
{
    std::vector<std::string> fields;
    size_t start = 0;
    for (size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
        fields.push_back(line.substr(start, tab - start));
    fields.push_back(line.substr(start));
    return fields;
}

// Each tag at most once, "waves" before "players", as the game writes them.
static bool read_tagged_pairs(const std::vector<std::string> &f, MapRecord &record)
{
    size_t i = FIXED_FIELDS;
    if (i + 1 < f.size() && f[i] == WAVES_RECORD_TAG) {
        record.mode = MODE_WAVES;
        if (!read_count(f[i + 1], MAX_RECORD_WAVE, record.wave))
            return false;
        i += 2;
    }
    if (i + 1 < f.size() && f[i] == PLAYERS_RECORD_TAG) {
        if (!read_count(f[i + 1], MAX_PLAYERS, record.players) || record.players < 2)
            return false;
        i += 2;
    }
    return i == f.size();
}

static bool parse_record_line(const std::string &line, MapRecord &record)
{
    std::vector<std::string> f = tab_fields(line);
    if (f.size() < FIXED_FIELDS || f[0].empty() || f[0].size() >= (size_t)RECORD_NAME_SIZE ||
        f[0].find('\0') != std::string::npos)
        return false;
    record.mode = MODE_CLASSIC;
    record.wave = 0;
    record.players = 1;
    if (!read_tagged_pairs(f, record))
        return false;
    if (find_record(f[0].c_str(), record.mode, record.players))
        return false;  // a name twice: the first line stands
    if (!read_count(f[1], INT_MAX, record.kills) ||
        !read_count(f[2], MAX_RECORD_SECONDS, record.seconds))
        return false;
    snprintf(record.name, sizeof record.name, "%s", f[0].c_str());
    return true;
}

void read_records()
{
    map_record_count = 0;
    std::string contents;
    if (read_regular_file(RECORDS_FILE, contents) != 0)
        return;
    std::istringstream text(contents);
    for (std::string line; std::getline(text, line) && map_record_count < MAX_RECORDS;) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        MapRecord record;
        if (!line.empty() && parse_record_line(line, record))
            map_records[map_record_count++] = record;
    }
}

int write_records()
{
    std::string text = RECORDS_HEADER;
    for (int i = 0; i < map_record_count; i++) {
        const MapRecord &r = map_records[i];
        text +=
            std::string(r.name) + "\t" + std::to_string(r.kills) + "\t" + std::to_string(r.seconds);
        if (r.mode == MODE_WAVES)
            text += std::string("\t") + WAVES_RECORD_TAG + "\t" + std::to_string(r.wave);
        if (r.players > 1)
            text += std::string("\t") + PLAYERS_RECORD_TAG + "\t" + std::to_string(r.players);
        text += "\n";
    }
    make_folder(SAVE_FOLDER);
    return replace_file(RECORDS_FILE, text);
}

MapRecord *find_record(const char *name, int mode, int players)
{
    for (int i = 0; i < map_record_count; i++)
        if (map_records[i].mode == mode && map_records[i].players == players &&
            strcmp(map_records[i].name, name) == 0)
            return &map_records[i];
    return nullptr;
}

void enter_game_record(const char *name, int mode, int players, int kills, int seconds, int wave,
                       MapRecord &before)
{
    memset(&before, 0, sizeof before);
    if (!is_plain_name(name))
        return;
    MapRecord *record = find_record(name, mode, players);
    if (!record) {
        if (map_record_count >= MAX_RECORDS)
            return;
        record = &map_records[map_record_count++];
        memset(record, 0, sizeof *record);
        snprintf(record->name, sizeof record->name, "%s", name);
        record->mode = mode;
        record->players = players;
    }
    before = *record;
    if (kills > record->kills)
        record->kills = kills;
    if (seconds > record->seconds)
        record->seconds = seconds;
    if (wave > record->wave)
        record->wave = wave;
}
