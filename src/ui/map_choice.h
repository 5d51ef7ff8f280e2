// map_choice.h -- picking a map from Maps/ to play or to edit, and starting a game on it
#pragma once

#include "maps/map_list.h"

#include "game/world.h"

const int MAP_EXTENSION_LENGTH = 4;  // ".map", cut from the label
const int MODE_LINE_Y = 104;         // the mode a pick will start, under the title
// The modes as the main menu names them
const char *const MODE_NAMES[MODE_COUNT] = {"Single Player", "Waves"};
// and as a game of several players names them
const char *const COOP_MODE_NAMES[MODE_COUNT] = {"Classic", "Waves"};

void map_choice_screen(int target);
void choose_map_to_play_screen();
void choose_map_to_edit_screen();
void start_game_screen();
bool is_listed_map(const char *name);
