// game_menu.h -- the pause screen of a game: the frozen scene, resume, save, exit, options
#pragma once

const int GAME_MENU_BUTTON_X = 100, GAME_MENU_BUTTON_W = 440, GAME_MENU_BUTTON_H = 20;
const int RESUME_Y = 100, SAVE_Y = 130, EXIT_Y = 160, OPTIONS_Y = 190;

void game_menu_screen();
