// main_loop.h -- start-up, the frame loop and the screen dispatcher
#pragma once

#include "ui/screens.h"

void start_up();
void run_frame();
void shut_down();

void run_current_screen();
float compute_speed_factor(float fps);
