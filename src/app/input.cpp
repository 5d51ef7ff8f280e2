// input.cpp -- turning SDL's key and mouse-button events into state tables
#include "app/input.h"

#include <SDL.h>

#include "app/window_scale.h"

int key_state[KEY_STATE_SIZE];
int mouse_button_state[MOUSE_BUTTON_COUNT];
int mouse_x[POINTER_SLOTS];
int mouse_y[POINTER_SLOTS];

static void settle_pressed(int *table, int size)
{
    for (int i = 0; i < size; i++) {
        if (table[i] == KEY_PRESSED)
            table[i] = KEY_HELD;
    }
}

// Takes every queued event of one kind and marks its key or button; indices
// without an entry (button 10 and up) are ignored.
static void apply_events(Uint32 mask, int *table, int size, int new_state)
{
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, mask) > 0) {
        int index = (event.type == SDL_KEYDOWN || event.type == SDL_KEYUP)
                        ? (int)event.key.keysym.sym
                        : (int)event.button.button;
        if (index >= 0 && index < size)
            table[index] = new_state;
    }
}

// All downs are applied before all ups, so a press and release between two
// updates ends as KEY_UP: a wheel click is never seen pressed. The pointer
// is kept in canvas pixels, whatever the window's scale.
void update_input()
{
    settle_pressed(key_state, KEY_STATE_SIZE);
    apply_events(SDL_KEYDOWNMASK, key_state, KEY_STATE_SIZE, KEY_PRESSED);
    apply_events(SDL_KEYUPMASK, key_state, KEY_STATE_SIZE, KEY_UP);
    settle_pressed(mouse_button_state, MOUSE_BUTTON_COUNT);
    apply_events(SDL_MOUSEBUTTONDOWNMASK, mouse_button_state, MOUSE_BUTTON_COUNT, KEY_PRESSED);
    apply_events(SDL_MOUSEBUTTONUPMASK, mouse_button_state, MOUSE_BUTTON_COUNT, KEY_UP);
    int window_x = 0, window_y = 0;
    SDL_GetMouseState(&window_x, &window_y);
    window_to_canvas(window_x, window_y, mouse_x[0], mouse_y[0]);
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
int keyboard_direction()
{
    int keys = 0;
    if (key_down(SDLK_w) || key_down(SDLK_UP))
        keys |= KEYS_UP;
    if (key_down(SDLK_s) || key_down(SDLK_DOWN))
        keys |= KEYS_DOWN;
    if (key_down(SDLK_a) || key_down(SDLK_LEFT))
        keys |= KEYS_LEFT;
    if (key_down(SDLK_d) || key_down(SDLK_RIGHT))
        keys |= KEYS_RIGHT;
    return DIRECTION_BY_KEYS[keys];
}
