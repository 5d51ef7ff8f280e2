// save_game.h -- the single save slot: writing a game in progress and resuming it
#pragma once

#include <iosfwd>
#include <string>

const char SAVE_FILE[] = "Saves/gamesave.dat";

// What a load found; the screen that asked tells the player.
enum LoadResult {
    LOAD_DONE,        // the saved game is the world now
    LOAD_NO_SAVE,     // there is no save file
    LOAD_UNREADABLE,  // the file could not be read: see the errno
    LOAD_DAMAGED      // the file holds what the game could not have written
};

int save_game();  // 0, or the errno of the failure; the old save then stays
LoadResult load_game(int &error);
std::string saved_game_text();  // the bytes save_game writes
// One whole word of a save as an int, or a finite float; false otherwise.
bool read_saved_int(std::istream &in, int &value);
bool read_saved_float(std::istream &in, float &value);
bool saved_in_range(float value, float low, float high);  // low to high, both included
bool load_game_from_text(const std::string &text);        // false: refused, nothing changed
