// main_loop.h -- start-up, the frame loop and the screen dispatcher
#pragma once

#include "ui/screens.h"

const double SPEED_REFERENCE_FPS = 30.0;  // frame rate at which speed_factor is 1
const float MIN_SPEED_FACTOR = 0.2f;
const float MAX_SPEED_FACTOR = 2.0f;

void start_up();
void run_frame();
void shut_down();

void run_current_screen();
float compute_speed_factor(float fps);
