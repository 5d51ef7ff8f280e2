// replay_list.h -- the replays of a folder, read by their summaries, newest first
#pragma once

#include <string>
#include <vector>

#include "maps/replay_file.h"

const int MAX_LISTED_REPLAYS = 500;  // a folder's entries past these are not listed

// A file of the folder and what its start says
struct ReplayEntry {
    std::string name;  // the file's name in the folder
    int read;          // REPLAY_READ, or why its summary could not be read
    ReplaySummary summary;
};

// Listed again each time the replays screen opens
extern std::vector<ReplayEntry> replay_entries;

// Every "*.rwr" of the folder with a plain name, temporaries aside, read
// only as far as its summary. A folder that is missing lists nothing.
void scan_replay_folder(const char *folder);
// The list's order: readable files newest first, then the others by name.
bool replay_entry_before(const ReplayEntry &a, const ReplayEntry &b);
