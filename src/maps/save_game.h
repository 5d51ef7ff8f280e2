// save_game.h -- the single save slot: writing a game in progress and resuming it
#pragma once

#include <string>

const char SAVE_FOLDER[] = "Saves";
const char SAVE_FILE[] = "Saves/gamesave.dat";
const int NEW_FOLDER_MODE = 0777;  // narrowed by the user's umask

// Both tell the player how it went with a notice.
bool save_game();
void load_game();
std::string saved_game_text();                      // the bytes save_game writes
bool load_game_from_text(const std::string &text);  // false: refused, nothing changed
