// replay_list.cpp -- the replays of a folder, read by their summaries, newest first
#include "maps/replay_list.h"

#include <algorithm>
#include <cstring>

#include "app/platform.h"
#include "app/safe_write.h"
#include "maps/map_list.h"

std::vector<ReplayEntry> replay_entries;

static bool is_replay_name(const char *name)
{
    size_t length = strlen(name), extension = strlen(REPLAY_EXTENSION);
    return length > extension && strcmp(name + length - extension, REPLAY_EXTENSION) == 0 &&
           length <= (size_t)MAP_NAME_MAX && is_plain_name(name) && !is_temporary_name(name);
}

bool replay_entry_before(const ReplayEntry &a, const ReplayEntry &b)
{
    bool read_a = a.read == REPLAY_READ, read_b = b.read == REPLAY_READ;
    if (read_a != read_b)
        return read_a;
    if (read_a && a.summary.saved_time != b.summary.saved_time)
        return a.summary.saved_time > b.summary.saved_time;
    return map_name_before(a.name.c_str(), b.name.c_str());
}

// Only the start of each file is read: a folder of long games lists at once.
void scan_replay_folder(const char *folder)
{
    replay_entries.clear();
    std::vector<std::string> names;
    if (!list_folder(folder, names))
        return;
    for (const std::string &name : names) {
        if (replay_entries.size() >= (size_t)MAX_LISTED_REPLAYS)
            break;
        if (!is_replay_name(name.c_str()))
            continue;
        ReplayEntry entry;
        entry.name = name;
        memset(&entry.summary, 0, sizeof entry.summary);
        std::string path = std::string(folder) + "/" + entry.name, start;
        if (read_file_start(path.c_str(), REPLAY_SUMMARY_BYTES, start) != 0)
            entry.read = REPLAY_DAMAGED;
        else
            entry.read = read_replay_summary(start, entry.summary);
        replay_entries.push_back(entry);
    }
    std::sort(replay_entries.begin(), replay_entries.end(), replay_entry_before);
}
