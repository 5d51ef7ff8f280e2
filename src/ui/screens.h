// screens.h -- which screen runs, and whether the program is to end: written by screens, read by the frame loop
#pragma once

// Screens, selected by screen_number; a screen moves on by writing it.
enum {
    SCREEN_MAIN_MENU = 0,
    SCREEN_CREDITS = 1,
    SCREEN_CHOOSE_MAP_TO_PLAY = 2,
    SCREEN_START_GAME = 3,
    SCREEN_GAME = 4,
    SCREEN_CHOOSE_MAP_TO_EDIT = 5,
    SCREEN_START_EDITOR = 6,
    SCREEN_EDITOR = 7,
    SCREEN_GAME_MENU = 8,
    SCREEN_GAME_OVER = 9,  // the summary after the horde won
    SCREEN_COOP = 10,      // the join screen of a game of several players
    SCREEN_OPTIONS = 11,   // volumes, the window, the pointer, the colour depth
    SCREEN_CONTROLS = 12,  // the keys of each action and the pad's dead zone
    SCREEN_REPLAYS = 13,   // the saved replays, newest first
    SCREEN_COUNT = 14
};

// Per frame
extern int screen_number;    // current screen, read once per frame
extern bool quit_requested;  // window closed or "Exit" clicked; nothing clears it
// Set by the dispatcher before a screen runs
extern bool screen_opened;      // screen_number differs from the last frame's: shown anew
extern int last_screen_number;  // the screen the dispatcher ran last
