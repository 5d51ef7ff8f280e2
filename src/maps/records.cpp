// records.cpp -- the best game on each map: most kills and longest survival, kept in Saves/records.txt
#include "maps/records.h"

#include <sys/stat.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <sstream>
#include <string>

#include "app/folders.h"
#include "app/safe_write.h"

MapRecord map_records[MAX_RECORDS];
int map_record_count = 0;

// One line per map: its name, a tab, the kills, a tab, the seconds. A tab
// never appears in a file name the game lists, while blanks do.
static const char RECORDS_HEADER[] =
    "# Rotwalk bests: map, most kills, longest survival in seconds\n";

static bool read_count(const char *text, int limit, int &value)
{
    long number = 0;
    if (!parse_whole_number(text, 0, limit, number))
        return false;
    value = (int)number;
    return true;
}

static bool parse_record_line(const std::string &line, MapRecord &record)
{
    size_t first = line.find('\t'), second = line.find('\t', first + 1);
    if (first == 0 || first == std::string::npos || second == std::string::npos ||
        first >= (size_t)RECORD_NAME_SIZE)
        return false;
    std::string name = line.substr(0, first);
    if (name.find('\0') != std::string::npos || find_record(name.c_str()))
        return false;  // a name twice: the first line stands
    if (!read_count(line.substr(first + 1, second - first - 1).c_str(), INT_MAX, record.kills) ||
        !read_count(line.substr(second + 1).c_str(), MAX_RECORD_SECONDS, record.seconds))
        return false;
    snprintf(record.name, sizeof record.name, "%s", name.c_str());
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
        if (!line.empty() && line[0] != '#' && parse_record_line(line, record))
            map_records[map_record_count++] = record;
    }
}

int write_records()
{
    std::string text = RECORDS_HEADER;
    for (int i = 0; i < map_record_count; i++)
        text += std::string(map_records[i].name) + "\t" + std::to_string(map_records[i].kills) +
                "\t" + std::to_string(map_records[i].seconds) + "\n";
    mkdir(SAVE_FOLDER, NEW_FOLDER_MODE);
    return replace_file(RECORDS_FILE, text);
}

MapRecord *find_record(const char *name)
{
    for (int i = 0; i < map_record_count; i++)
        if (strcmp(map_records[i].name, name) == 0)
            return &map_records[i];
    return nullptr;
}

void enter_game_record(const char *name, int kills, int seconds, MapRecord &before)
{
    memset(&before, 0, sizeof before);
    MapRecord *record = find_record(name);
    if (!record) {
        if (map_record_count >= MAX_RECORDS)
            return;
        record = &map_records[map_record_count++];
        memset(record, 0, sizeof *record);
        snprintf(record->name, sizeof record->name, "%s", name);
    }
    before = *record;
    if (kills > record->kills)
        record->kills = kills;
    if (seconds > record->seconds)
        record->seconds = seconds;
}
