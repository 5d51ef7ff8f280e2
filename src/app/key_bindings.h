// key_bindings.h -- which key walks, sprints, fires and pauses: a table of SDL key symbols per action
#pragma once

enum {
    ACTION_UP,
    ACTION_DOWN,
    ACTION_LEFT,
    ACTION_RIGHT,
    ACTION_SPRINT,
    ACTION_FIRE,
    ACTION_PAUSE,
    ACTION_COUNT
};

const int BOUND_TO_LEFT_BUTTON = 0;  // the left mouse button instead of a key
const int KEY_NAME_SIZE = 32;

// Per action: its settings key, what the controls screen calls it, and the
// key it takes by default and in the AZERTY preset.
extern const char *const ACTION_SETTING_KEYS[ACTION_COUNT];
extern const char *const ACTION_NAMES[ACTION_COUNT];
extern const int DEFAULT_BINDINGS[ACTION_COUNT];
extern const int AZERTY_BINDINGS[ACTION_COUNT];

// Set at start-up from settings.ini; changed on the controls screen
extern int key_bindings[ACTION_COUNT];  // SDL key symbols, or BOUND_TO_LEFT_BUTTON

void use_bindings(const int *preset);
// Every action from its settings key; a number that is no key keeps the default.
void read_key_bindings();
// Whether `symbol` may be bound to `action`: any key of the table but Escape
// and the arrows, and the left button only for firing.
bool is_bindable(int action, int symbol);
// Binds the key; an action that had it takes this action's old key, so no
// key does two things.
void bind_key(int action, int symbol);
bool action_down(int action);     // pressed this frame or held
bool action_pressed(int action);  // went down this frame
// "W", "Left shift", "Left button": what the player reads on the controls screen.
void binding_name(int symbol, char *name, int size);
