// pads.h -- gamepads through SDL's joystick events: sticks, triggers, buttons and d-pads by layout
#pragma once

#include <SDL.h>

const int MAX_PADS = 8;  // events of pads past the eighth are ignored
const int PAD_AXIS_COUNT = 16;
const int PAD_BUTTON_COUNT = 32;
const int PAD_NAME_SIZE = 64;
const int AXIS_FULL = 32767;
const int AXIS_LOW = -32768;        // where Linux's drivers rest a trigger
const int DEFAULT_DEAD_ZONE = 25;   // percent of a stick's travel
const int MAX_DEAD_ZONE = 90;       // percent; a larger one in settings.ini is refused
const float TRIGGER_PULLED = 0.3f;  // share of a trigger's travel that counts as pulled

// What a layout names. The d-pad's four are buttons on some drivers and
// hat 0 on others; the fire and sprint buttons sit beside the triggers.
enum {
    PAD_A,
    PAD_B,
    PAD_FIRE,    // RB
    PAD_SPRINT,  // LB
    PAD_BACK,
    PAD_START,
    PAD_UP,
    PAD_DOWN,
    PAD_LEFT,
    PAD_RIGHT,
    PAD_ROLE_COUNT
};
enum {
    STICK_MOVE_X,
    STICK_MOVE_Y,
    STICK_AIM_X,
    STICK_AIM_Y,
    TRIGGER_SPRINT,
    TRIGGER_FIRE,
    AXIS_ROLE_COUNT
};
const int NO_CONTROL = -1;  // a layout without that axis, or a d-pad on hat 0

// Raw axis and button numbers of one kind of pad, matched on its name and counts.
struct PadLayout {
    const char *label;
    const char *name_part;  // a word of it (words parted by |) in the pad's name
    int min_axes;           // the pad has at least this many axes
    int min_buttons;        // and this many buttons
    int axes[AXIS_ROLE_COUNT];
    int buttons[PAD_ROLE_COUNT];
    int trigger_rest;  // a trigger's value when let go: AXIS_LOW, or 0
};

extern const PadLayout pad_layouts[];
extern const int pad_layout_count;
const int XBOX_LAYOUT = 0;    // also every pad no entry matches
const int COMPAT_LAYOUT = 1;  // sdl12-compat's game-controller view
const char COMPAT_VARIABLE[] = "SDL12COMPAT_USE_GAME_CONTROLLERS";

struct Pad {
    bool present;  // opened at start, or an event came from it
    char name[PAD_NAME_SIZE];
    int layout;
    int axis[PAD_AXIS_COUNT];  // raw values; a trigger starts at its rest
    int trigger_rest[PAD_AXIS_COUNT];
    int button[PAD_BUTTON_COUNT];  // KEY_UP, KEY_HELD or KEY_PRESSED
    int hat_button[4];             // hat 0 as up, down, left, right
    bool touched;  // this frame: a button or the d-pad went down, or a stick or trigger moved out
};

// Set at start-up from settings.ini: -1 keeps the layout's number
extern int pad_axis_override[AXIS_ROLE_COUNT];
extern int pad_button_override[PAD_ROLE_COUNT];
extern int pad_dead_zone;  // percent

// Per frame
extern Pad pads[MAX_PADS];
extern SDL_Joystick *pad_handles[MAX_PADS];  // what open_pads opened, by SDL's index

void read_pad_settings();
// Closes what is open, restarts SDL's joystick subsystem so pads plugged in
// since are found, and opens every pad with events on.
void open_pads();
void close_pads();
int match_pad_layout(const char *name, int axes, int buttons);
// The motion sensors and touchpads some pads add as joysticks of their own.
bool is_pad_part(const char *name);
// Takes every joystick event out of the queue into the pads' state.
void update_pads();

// A role's state through the pad's layout and the settings' overrides.
int pad_button(int pad, int role);  // KEY_UP, KEY_HELD or KEY_PRESSED
bool pad_down(int pad, int role);
bool pad_pressed(int pad, int role);
bool any_pad_pressed(int role);
// A stick as -1..1 on both axes; false inside the dead zone.
bool pad_stick(int pad, int axis_x_role, float &x, float &y);
// How far a stick is out of its dead zone: 0 inside, 1 at its rim.
float stick_reach(float x, float y);
float pad_trigger(int pad, int role);  // 0 at rest, 1 pulled all the way
// The d-pad's degrees as the keyboard's table gives them, or NO_DIRECTION.
int pad_dpad_direction(int pad);
