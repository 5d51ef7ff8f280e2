// frame_clock.h -- frame pacing, the measured frame rate and the clock texts
#pragma once

#include <SDL.h>
#include <ctime>

const int MIN_FRAME_MS = 16;              // shortest frame: at most 62.5 frames per second
const double SPEED_REFERENCE_FPS = 30.0;  // frame rate at which speed_factor is 1
const float MIN_SPEED_FACTOR = 0.2f;
const float MAX_SPEED_FACTOR = 2.0f;
const int CLOCK_TEXT_SIZE = 256;

// Per frame
extern Uint32 last_frame_tick;           // SDL ticks at which the current frame began
extern int frame_ms;                     // length of the last frame, at least MIN_FRAME_MS
extern float frames_per_second;          // 1000 / frame_ms; 0 before the first frame
extern char date_text[CLOCK_TEXT_SIZE];  // "Sunday December 6th 2026"
extern char time_text[CLOCK_TEXT_SIZE];  // "1:08:33 AM"

// Set by a replay or a soak run before its first frame; the game leaves it 0
extern int scripted_frame_ms;  // not 0: every frame lasts this long, no sleep, no clock read

void pace_frame();
int advance_frame_clock(Uint32 now_ms);
void build_clock_texts(const struct tm &local);
