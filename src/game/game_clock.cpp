// game_clock.cpp -- the time a game has run and the map it is played on, for the summary and the bests
#include "game/game_clock.h"

#include <cstdio>

#include "app/sound.h"

int game_time_ms = 0;
char game_map_name[GAME_MAP_NAME_SIZE];

void start_game_clock(const char *map_name)
{
    game_time_ms = 0;
    reset_game_sounds();
    snprintf(game_map_name, sizeof game_map_name, "%s", map_name);
}

// Saturates instead of overflowing, after some eleven days of play.
void count_game_time(int ms)
{
    if (ms > 0 && game_time_ms <= MAX_GAME_TIME_MS - ms)
        game_time_ms += ms;
}
