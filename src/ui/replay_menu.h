// replay_menu.h -- the saved replays listed like the maps, newest first, and the one picked played
#pragma once

#include <string>

#include "maps/replay_list.h"

const int MAX_REPLAY_MAP_CHARS = 20;  // a row's map name is cut past this, with "..."
const char NO_REPLAYS_TEXT[] = "No replays yet: save one on a game's summary.";

// Kept while the list is open and while a replay picked from it plays
extern int replay_list_top;  // listed replays scrolled past the top

// From the main menu: the list from its first page.
void open_replay_menu();
// What a listed replay's row reads: "Town: Waves, 2 players, 40 kills, 3:12".
std::string replay_row_label(const ReplayEntry &entry);
// Reads the listed file in Replays/ and plays it; a file that cannot be
// played is told and the list stays.
void play_listed_replay(const ReplayEntry &entry);
void replay_menu_screen();
