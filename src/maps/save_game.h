// save_game.h -- the single save slot: writing a game in progress and resuming it
#pragma once

const char SAVE_FOLDER[] = "Saves";
const char SAVE_FILE[] = "Saves/gamesave.dat";
const int NEW_FOLDER_MODE = 0777;  // narrowed by the user's umask

void save_game();
void load_game();
