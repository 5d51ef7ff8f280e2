// input.h -- per-frame key and mouse-button state tables and the pointer position
#pragma once

// Input state of a key or button
enum {
    KEY_UP = 0,
    KEY_HELD = 1,
    KEY_PRESSED = 2  // went down since the previous update
};

const int KEY_STATE_SIZE = 500;     // indexed by SDL key symbol (0 to 322 in use)
const int MOUSE_BUTTON_COUNT = 10;  // indexed by SDL button number; 0 unused
const int POINTER_SLOTS = 4;        // one pointer per player slot; only slot 0 is fed

// Per frame
extern int key_state[KEY_STATE_SIZE];
extern int mouse_button_state[MOUSE_BUTTON_COUNT];
extern int mouse_x[POINTER_SLOTS];  // display pixels
extern int mouse_y[POINTER_SLOTS];

const int NO_DIRECTION = -1;                     // no walking or scrolling this frame
const double DEGREES_TO_RADIANS = 0.0174532925;  // directions are given in degrees

void update_input();
bool key_down(int symbol);  // pressed this frame or held
int keyboard_direction();
