// folders.h -- where the game finds its data and where it keeps the player's own files
#pragma once

#include <string>

#include "app/platform.h"

const int FOLDER_PATH_SIZE = 4096;
#ifndef ROTWALK_DATA_FROM_BIN
#define ROTWALK_DATA_FROM_BIN "../share/rotwalk"
#endif
const char INSTALLED_DATA_FROM_BIN[] = ROTWALK_DATA_FROM_BIN;  // an install's data, from its bin/
const char MEDIA_FOLDER[] = "Media";
// The game folder's own subfolders: the player's maps, the save and the records
const char MAP_FOLDER[] = "Maps";
const char SAVE_FOLDER[] = "Saves";
const int MAP_NAME_MAX = 255;  // the longest file name the game lists; longer ones are skipped

// Set once at start-up, before anything is loaded
extern char
    data_folder[FOLDER_PATH_SIZE];  // holds Media/ and the shipped Maps/; empty: the current folder

// The path of a data file such as "Media/Game/bg.png", in the data folder.
std::string data_file(const char *relative);

// The data folder: the one asked for, else the executable's own folder when
// it has Media/, else an install's share/rotwalk. Empty when none has Media/.
std::string find_data_folder(const char *asked, const std::string &exe_folder);
// The game folder these options and folders lead to; says whether it is
// the portable one: the folder of the executable, when its data is there and
// files can be made there, else the player's own folder.
std::string planned_game_folder(const char *asked_data, const char *asked_game_folder,
                                const std::string &data, const std::string &exe, bool &portable);
// Creates the game folder with Maps/ (shipped maps copied in only where
// missing), Saves/ and settings.ini (copied only when missing). Returns ""
// or a sentence saying what failed.
std::string prepare_game_folder(const std::string &folder, const std::string &data);
// Decides both folders, prepares the game folder and makes it the current
// folder. Returns "" or why no data was found (the game cannot run then);
// a game folder that cannot be made or written is only told on stderr.
std::string settle_folders(const char *asked_data, const char *asked_game_folder);
