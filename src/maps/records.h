// records.h -- the best game on each map: most kills and longest survival, kept in Saves/records.txt
#pragma once

#include "game/game_clock.h"
#include "maps/map_list.h"

const char RECORDS_FILE[] = "Saves/records.txt";
const int MAX_RECORDS = MAX_MAP_NAMES;            // one per map the list can hold
const int RECORD_NAME_SIZE = GAME_MAP_NAME_SIZE;  // a map's name without folder and extension
const int MAX_RECORD_SECONDS = 1000000000;

const char WAVES_RECORD_TAG[] = "waves";  // a Waves line: its fourth field, then the best wave
const int MAX_RECORD_WAVE = 1000000;
const char PLAYERS_RECORD_TAG[] = "players";  // a game of several: a pair after the rest

struct MapRecord {
    char name[RECORD_NAME_SIZE];
    int mode;     // MODE_CLASSIC or MODE_WAVES: each mode keeps its own bests
    int kills;    // most zombies killed in one game
    int seconds;  // longest game survived
    int wave;     // Waves: the furthest wave reached; 0 in Classic
    int players;  // games of each player count keep their own bests
};

// Read when a game ends, then written back
extern MapRecord map_records[MAX_RECORDS];
extern int map_record_count;

// A missing or damaged file counts as no records; a damaged line is skipped.
void read_records();
// Writes every record with the safe write; 0 or the errno of the failure.
int write_records();
// The map's record in that mode and player count, or null.
MapRecord *find_record(const char *name, int mode, int players = 1);
// Enters a finished game: the record keeps the better of each figure. The
// record as it was before is copied to `before` (zeros for a new map). A
// name that is not plain (is_plain_name) gets no record.
void enter_game_record(const char *name, int mode, int players, int kills, int seconds, int wave,
                       MapRecord &before);
