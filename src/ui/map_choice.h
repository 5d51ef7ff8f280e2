// map_choice.h -- picking a map from Maps/ to play or to edit, and starting a game on it
#pragma once

#include "maps/map_list.h"

const int MAP_EXTENSION_LENGTH = 4;  // ".map", cut from the label

void map_choice_screen(int target);
void choose_map_to_play_screen();
void choose_map_to_edit_screen();
void start_game_screen();
bool is_listed_map(const char *name);
