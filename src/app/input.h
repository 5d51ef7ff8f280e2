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
extern int mouse_wheel;  // wheel steps this frame: down counts up, up counts down

// Who gives a player's input: the keyboard and mouse, a pad (0 and up), or nobody.
const int DEVICE_NONE = -2;
const int DEVICE_KEYBOARD = -1;

// The software pointer as the pads move it: it holds the pointer until the
// mouse moves. Pads cross the canvas in about a second at full tilt.
struct PadPointer {
    bool in_use;
    float x, y;            // canvas pixels
    int mouse_x, mouse_y;  // where the mouse was last seen
    int dpad_ms;           // how long a d-pad has been held: it starts slow
    bool click_merged;     // a pad's A holds the left button in this frame
    int mouse_left;        // the left button as the mouse alone has it
};
const float PAD_POINTER_SPEED = 700.0f;  // canvas pixels per second
const float DPAD_FIRST_SHARE = 0.3f;     // of that speed when a d-pad is first held
const int DPAD_RAMP_MS = 400;            // and the full speed after this long

// Per frame
extern int active_device;        // the device touched last: DEVICE_KEYBOARD or a pad
extern bool keyboard_touched;    // a key or button went down, or the mouse moved, this frame
extern bool pads_drive_pointer;  // set by the frame loop: false while a game is played
extern PadPointer pad_pointer;

const int NO_DIRECTION = -1;                     // no walking or scrolling this frame
const double DEGREES_TO_RADIANS = 0.0174532925;  // directions are given in degrees

void update_input();
// A pad's A that did something else this frame (joined a game) clicks nothing.
void cancel_pad_click();
bool key_down(int symbol);  // pressed this frame or held
// Degrees of four direction buttons as the keyboard's table gives them.
int direction_of(bool up, bool down, bool left, bool right);
int keyboard_direction();
// A pad's B, read where a screen has a way back.
bool back_pressed();
// Whether any key, mouse button (the wheel aside) or pad button went down this frame.
bool any_press();
// This frame's presses answered: no screen or menu after sees them.
void swallow_presses();
