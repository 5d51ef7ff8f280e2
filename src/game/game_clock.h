// game_clock.h -- the time a game has run and the map it is played on, for the summary and the bests
#pragma once

#include "app/folders.h"

const int GAME_MAP_NAME_SIZE = MAP_NAME_MAX + 1;
const int MAX_GAME_TIME_MS = 1000000000;  // the game clock stops there: no overflow

// Reset when a game starts or a save is loaded
extern int game_time_ms;  // time the game screen ran; pauses do not count
extern char
    game_map_name[GAME_MAP_NAME_SIZE];  // the map played, without ".map"; empty for a loaded game

void start_game_clock(const char *map_name);
void count_game_time(int ms);
