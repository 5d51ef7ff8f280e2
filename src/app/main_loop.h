// main_loop.h -- start-up, the frame loop and the screen dispatcher
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
    SCREEN_COUNT = 10
};

const double SPEED_REFERENCE_FPS = 30.0;  // frame rate at which speed_factor is 1
const float MIN_SPEED_FACTOR = 0.2f;
const float MAX_SPEED_FACTOR = 2.0f;

extern int screen_number;    // current screen, read once per frame
extern bool quit_requested;  // window closed or "Exit" clicked; nothing clears it

void start_up();
void run_frame();
void shut_down();

void run_current_screen();
float compute_speed_factor(float fps);
