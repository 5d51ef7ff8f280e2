// replay_file.h -- a recorded game as a small file: a line naming it, then its tape packed with zlib
#pragma once

#include <string>

#include "maps/replay_tape.h"

const char REPLAY_FOLDER[] = "Replays";
const char REPLAY_EXTENSION[] = ".rwr";
const char REPLAY_HEADER[] = "Rotwalk replay";  // then the format's version and the game's
const int REPLAY_FORMAT_VERSION = 1;
const int MAX_REPLAY_HEADER = 200;              // the first line is shorter than this
const long MAX_REPLAY_FILE_BYTES = 16L << 20;   // packed; an hour of four pads is far less
const long MAX_REPLAY_BODY_BYTES = 64L << 20;   // unpacked
const long REPLAY_SUMMARY_BYTES = 4096;         // the summary lies within this much of the start
const long MAX_TAPE_DRAWS = 2000000000L;        // random draws before a game's first frame
const char LOADED_GAME_LABEL[] = "Saved game";  // the map name of a game begun from a save
const int MAX_SAME_NAME_REPLAYS = 99;           // "Map 2026-12-08 12-30 40 (2).rwr" and on

// What a replay's row in the list shows, readable without the tape
struct ReplaySummary {
    char map_name[GAME_MAP_NAME_SIZE];
    int mode, players, kills;
    long length_ms;
    long long saved_time;  // seconds since 1970
};

// What reading a replay found
enum { REPLAY_READ, REPLAY_DAMAGED, REPLAY_FOREIGN, REPLAY_OTHER_VERSION };

// The game's summary: its map (LOADED_GAME_LABEL for a loaded game), mode,
// players and length by the tape, with the kills it ended with.
ReplaySummary replay_summary(const ReplayTape &tape, int kills, long long saved_time);
// The whole file: the header line, then the summary, the start, the frames
// and the world's hashes, as numbers packed by zlib; empty when zlib fails.
std::string replay_file_text(const ReplayTape &tape, const ReplaySummary &summary);
// A file's bytes read back, every value checked. Anything but REPLAY_READ
// leaves the tape and the summary as they were.
int read_replay_text(const std::string &text, ReplayTape &tape, ReplaySummary &summary);
// The summary alone, from the first REPLAY_SUMMARY_BYTES of a file's text.
int read_replay_summary(const std::string &start_of_text, ReplaySummary &summary);

// Writes Replays/<map> <yyyy-mm-dd hh-mm> <kills>.rwr in the game folder,
// leaving any replay of the same name alone; `path` is where it went.
// 0, or the errno of the failure.
int save_replay(const ReplayTape &tape, int kills, std::string &path);
// Reads a replay file: REPLAY_READ, or what refused it; `error` is the
// errno of a file that could not be read (then REPLAY_DAMAGED), else 0.
int load_replay_file(const char *path, ReplayTape &tape, ReplaySummary &summary, int &error);
// What the player reads of a refusal: "Crash.rwr is damaged" and the like.
std::string replay_refusal(const char *name, int result, int error);
