// game_over.h -- the summary when the horde wins: kills, time survived and the map's bests
#pragma once

#include <SDL.h>

#include "game/game_clock.h"
#include "maps/records.h"

const int GAME_OVER_DIM_ALPHA = 128;  // the last scene shows at half its brightness
const int SUMMARY_TITLE_Y = 130;
const int SUMMARY_FIRST_LINE_Y = 190;
const int SUMMARY_LINE_GAP = 30;
const int MAIN_MENU_BUTTON_X = 250, MAIN_MENU_BUTTON_Y = 360, MAIN_MENU_BUTTON_W = 140,
          MAIN_MENU_BUTTON_H = 20;
// "Play again" stands above "Main menu", which keeps the design's place
const int PLAY_AGAIN_BUTTON_Y = MAIN_MENU_BUTTON_Y - 32;
// Beside "Main menu", to its left
const int WATCH_REPLAY_BUTTON_X = 80, WATCH_REPLAY_BUTTON_W = 160;
// and to its right, as wide
const int SAVE_REPLAY_BUTTON_X = 400;
const int DURATION_TEXT_SIZE = 32;
const int MS_PER_SECOND = 1000;

// Set when a game ends
extern SDL_Surface *game_over_picture;  // the last scene, dimmed; owned here
extern int game_over_kills;
extern int game_over_seconds;
extern int game_over_wave;          // Waves: the wave that overran the player
extern MapRecord game_over_before;  // the map's bests before this game
extern bool game_over_replay_saved;
extern bool game_over_watched_from_list;  // the summary of a replay picked from the list

// The game's last frame is drawn: keep it dimmed, enter the bests, show the summary.
void finish_game();
void game_over_screen();
void format_duration(char *text, int size, int seconds);
