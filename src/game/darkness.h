// darkness.h -- the border darkness of the game view, read from its picture and cut into runs
#pragma once

#include <SDL.h>

#include "app/display.h"

const char BORDER_DARKNESS_FILE[] = "Media/Game/borderdarkness.png";

// Set once at start-up
extern int border_darkness[VIEW_W * VIEW_H];  // column-major: x*480 + y; -255 black .. 0 lit

// The darkness again, row by row, cut into runs of fully lit and of dark
// pixels, so the per-frame lighting reads it in order and copies lit runs
// straight. Rebuilt from border_darkness by index_border_darkness().
struct DarknessRun {
    Sint16 start, end;  // columns start .. end - 1
    bool lit;           // every darkness value of the run is 0
};
extern Sint16 darkness_rows[VIEW_W * VIEW_H];  // row-major: y*640 + x
extern DarknessRun darkness_runs[VIEW_W * VIEW_H];
extern int darkness_row_first_run[VIEW_H + 1];  // runs of row y: first[y] .. first[y+1]-1

void load_border_darkness();
void read_border_darkness(SDL_Surface *picture);
void index_border_darkness();
