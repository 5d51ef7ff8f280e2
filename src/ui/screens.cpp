// screens.cpp -- which screen runs, and whether the program is to end: written by screens, read by the frame loop
#include "ui/screens.h"

int screen_number = SCREEN_MAIN_MENU;
bool quit_requested = false;
bool screen_opened = true;
int last_screen_number = -1;  // none yet: the first screen opens
