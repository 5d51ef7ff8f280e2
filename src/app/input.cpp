// input.cpp -- turning SDL's key and mouse-button events into state tables
#include "app/input.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>

#include "app/frame_clock.h"
#include "app/key_bindings.h"
#include "app/pads.h"
#include "app/window_scale.h"

int key_state[KEY_STATE_SIZE];
int mouse_button_state[MOUSE_BUTTON_COUNT];
int mouse_x[POINTER_SLOTS];
int mouse_y[POINTER_SLOTS];
int mouse_wheel = 0;
int active_device = DEVICE_KEYBOARD;
bool keyboard_touched = false;
bool pads_drive_pointer = true;
PadPointer pad_pointer;

static void settle_pressed(int *table, int size)
{
    for (int i = 0; i < size; i++) {
        if (table[i] == KEY_PRESSED)
            table[i] = KEY_HELD;
    }
}

// Takes every queued event of one kind and marks its key or button; indices
// without an entry (button 10 and up) are ignored. Returns how many came.
static int apply_events(Uint32 mask, int *table, int size, int new_state)
{
    SDL_Event event;
    int count = 0;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, mask) > 0) {
        count++;
        int index = (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP)
                        ? (int)event.key.keysym.sym
                        : (int)event.button.button;
        if (index >= 0 && index < size)
            table[index] = new_state;
        if (event.type == SDL_MOUSEBUTTONDOWN && index == SDL_BUTTON_WHEELDOWN)
            mouse_wheel++;
        if (event.type == SDL_MOUSEBUTTONDOWN && index == SDL_BUTTON_WHEELUP)
            mouse_wheel--;
    }
    return count;
}

// The left sticks and d-pads of every pad move the pointer, the stick by
// how far it is tilted, a d-pad slowly at first.
static void move_pointer_by_pads(int mouse_canvas_x, int mouse_canvas_y)
{
    float dx = 0.0f, dy = 0.0f;
    bool dpad = false;
    for (int i = 0; i < MAX_PADS; i++) {
        float x, y;
        if (pad_stick(i, STICK_MOVE_X, x, y)) {
            float reach = stick_reach(x, y);
            float length = std::hypot(x, y);
            dx += x / length * reach * reach;
            dy += y / length * reach * reach;
        }
        int direction = pad_dpad_direction(i);
        if (direction != NO_DIRECTION) {
            dpad = true;
            float a = (float)(direction * DEGREES_TO_RADIANS);
            float share =
                DPAD_FIRST_SHARE + (1.0f - DPAD_FIRST_SHARE) *
                                       std::fmin(1.0f, (float)pad_pointer.dpad_ms / DPAD_RAMP_MS);
            dx += std::cos(a) * share;
            dy += std::sin(a) * share;
        }
    }
    pad_pointer.dpad_ms = dpad ? pad_pointer.dpad_ms + frame_ms : 0;
    if (dx == 0.0f && dy == 0.0f)
        return;
    if (!pad_pointer.in_use) {
        pad_pointer.x = (float)mouse_canvas_x;
        pad_pointer.y = (float)mouse_canvas_y;
        pad_pointer.in_use = true;
    }
    float step = PAD_POINTER_SPEED * (float)frame_ms / 1000.0f;
    pad_pointer.x = std::fmax(0.0f, std::fmin((float)(CANVAS_W - 1), pad_pointer.x + dx * step));
    pad_pointer.y = std::fmax(0.0f, std::fmin((float)(CANVAS_H - 1), pad_pointer.y + dy * step));
}

// A pad's A is the left button while pads drive the pointer; the mouse's
// own state is kept aside so letting go of A lets go of the button.
void cancel_pad_click()
{
    if (pad_pointer.click_merged)
        mouse_button_state[SDL_BUTTON_LEFT] = pad_pointer.mouse_left;
    pad_pointer.click_merged = false;
}

static void apply_pad_click()
{
    pad_pointer.mouse_left = mouse_button_state[SDL_BUTTON_LEFT];
    if (!pads_drive_pointer)
        return;
    int a = KEY_UP;
    for (int i = 0; i < MAX_PADS; i++)
        a = std::max(a, pad_button(i, PAD_A));
    if (a == KEY_UP)
        return;
    int &left = mouse_button_state[SDL_BUTTON_LEFT];
    left = std::max(left, a);
    pad_pointer.click_merged = true;
}

// All downs are applied before all ups, so a press and release between two
// updates ends as KEY_UP: a wheel click is never seen pressed, and is
// counted in mouse_wheel instead. The pointer
// is kept in canvas pixels, whatever the window's scale.
// Pads are read after the keyboard and mouse; whichever was touched last
// is the active device. The pads' pointer holds until the mouse moves.
void update_input()
{
    mouse_wheel = 0;
    settle_pressed(key_state, KEY_STATE_SIZE);
    int touches = apply_events(SDL_KEYDOWNMASK, key_state, KEY_STATE_SIZE, KEY_PRESSED);
    apply_events(SDL_KEYUPMASK, key_state, KEY_STATE_SIZE, KEY_UP);
    cancel_pad_click();
    settle_pressed(mouse_button_state, MOUSE_BUTTON_COUNT);
    touches +=
        apply_events(SDL_MOUSEBUTTONDOWNMASK, mouse_button_state, MOUSE_BUTTON_COUNT, KEY_PRESSED);
    apply_events(SDL_MOUSEBUTTONUPMASK, mouse_button_state, MOUSE_BUTTON_COUNT, KEY_UP);
    int window_x = 0, window_y = 0, x = 0, y = 0;
    SDL_GetMouseState(&window_x, &window_y);
    window_to_canvas(window_x, window_y, x, y);
    if (x != pad_pointer.mouse_x || y != pad_pointer.mouse_y) {
        pad_pointer.in_use = false;
        touches++;
    }
    pad_pointer.mouse_x = x;
    pad_pointer.mouse_y = y;
    keyboard_touched = touches > 0;
    if (keyboard_touched)
        active_device = DEVICE_KEYBOARD;
    update_pads();
    for (int i = 0; i < MAX_PADS; i++) {
        if (pads[i].touched)
            active_device = i;
    }
    if (pads_drive_pointer)
        move_pointer_by_pads(x, y);
    apply_pad_click();
    mouse_x[0] = pad_pointer.in_use ? (int)pad_pointer.x : x;
    mouse_y[0] = pad_pointer.in_use ? (int)pad_pointer.y : y;
}

// Bits of the direction keys that are down, as an index into the table.
enum { KEYS_UP = 1, KEYS_DOWN = 2, KEYS_LEFT = 4, KEYS_RIGHT = 8 };

// Degrees, growing clockwise on the screen since y points down. Opposite
// keys cancel each other whatever else is down.
static const int DIRECTION_BY_KEYS[16] = {
    NO_DIRECTION,  // none
    270,           // up
    90,            // down
    NO_DIRECTION,  // up + down
    180,           // left
    225,           // up + left
    135,           // down + left
    NO_DIRECTION,  // up + down + left
    0,             // right
    315,           // up + right
    45,            // down + right
    NO_DIRECTION,  // up + down + right
    NO_DIRECTION,  // left + right
    NO_DIRECTION,  // up + left + right
    NO_DIRECTION,  // down + left + right
    NO_DIRECTION,  // all four
};

bool key_down(int symbol)
{
    return key_state[symbol] != KEY_UP;
}

// The walking (or scrolling) direction of W A S D and the arrow keys, in
// degrees, or NO_DIRECTION.
int direction_of(bool up, bool down, bool left, bool right)
{
    return DIRECTION_BY_KEYS[(up ? KEYS_UP : 0) | (down ? KEYS_DOWN : 0) | (left ? KEYS_LEFT : 0) |
                             (right ? KEYS_RIGHT : 0)];
}

// The bound keys walk, and the arrow keys always walk as well.
int keyboard_direction()
{
    return direction_of(action_down(ACTION_UP) || key_down(SDLK_UP),
                        action_down(ACTION_DOWN) || key_down(SDLK_DOWN),
                        action_down(ACTION_LEFT) || key_down(SDLK_LEFT),
                        action_down(ACTION_RIGHT) || key_down(SDLK_RIGHT));
}

bool back_pressed()
{
    return pads_drive_pointer && any_pad_pressed(PAD_B);
}

bool any_press()
{
    for (int i = 0; i < KEY_STATE_SIZE; i++)
        if (key_state[i] == KEY_PRESSED)
            return true;
    for (int i = 1; i < MOUSE_BUTTON_COUNT; i++)
        if (i != SDL_BUTTON_WHEELUP && i != SDL_BUTTON_WHEELDOWN &&
            mouse_button_state[i] == KEY_PRESSED)
            return true;
    for (const Pad &pad : pads) {
        for (int button : pad.button)
            if (button == KEY_PRESSED)
                return true;
        for (int button : pad.hat_button)
            if (button == KEY_PRESSED)
                return true;
    }
    return false;
}

void swallow_presses()
{
    settle_pressed(key_state, KEY_STATE_SIZE);
    settle_pressed(mouse_button_state, MOUSE_BUTTON_COUNT);
    for (Pad &pad : pads) {
        settle_pressed(pad.button, PAD_BUTTON_COUNT);
        settle_pressed(pad.hat_button, (int)(sizeof pad.hat_button / sizeof *pad.hat_button));
    }
}
