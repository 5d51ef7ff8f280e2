// pads.cpp -- gamepads through SDL's joystick events: sticks, triggers, buttons and d-pads by layout
#include "app/pads.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

#include "app/input.h"
#include "app/settings.h"

// Axes: move x, move y, aim x, aim y, sprint trigger, fire trigger.
// Buttons: A, B, fire (RB), sprint (LB), Back, Start, then the d-pad's up,
// down, left and right, NO_CONTROL where the d-pad is hat 0.
const PadLayout pad_layouts[] = {
    // Linux's Xbox 360, One and Series driver: the default for unknown pads
    {"Xbox", "xbox|x-box", 6, 11, {0, 1, 3, 4, 2, 5}, {0, 1, 5, 4, 6, 7, -1, -1, -1, -1}, AXIS_LOW},
    // sdl12-compat's fixed game-controller layout: no hats, the d-pad as buttons 11 to 14
    {"sdl12-compat", nullptr, 6, 15, {0, 1, 2, 3, 4, 5}, {0, 1, 10, 9, 4, 6, 11, 12, 13, 14}, 0},
    // Steam's virtual pad and the Steam Deck, which speak the Xbox layout
    {"Steam", "steam", 6, 11, {0, 1, 3, 4, 2, 5}, {0, 1, 5, 4, 6, 7, -1, -1, -1, -1}, AXIS_LOW},
    // PlayStation 4 and 5 under hid-sony and hid-playstation: Cross, Circle,
    // Triangle, Square, L1, R1, L2, R2, Share, Options, PS, L3, R3
    {"PlayStation",
     "wireless controller|dualsense|dualshock",
     6,
     13,
     {0, 1, 3, 4, 2, 5},
     {0, 1, 5, 4, 8, 9, -1, -1, -1, -1},
     AXIS_LOW},
};
const int pad_layout_count = (int)(sizeof pad_layouts / sizeof pad_layouts[0]);

// No override until the settings are read
int pad_axis_override[AXIS_ROLE_COUNT] = {-1, -1, -1, -1, -1, -1};
int pad_button_override[PAD_ROLE_COUNT] = {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};
int pad_dead_zone = DEFAULT_DEAD_ZONE;
Pad pads[MAX_PADS];
SDL_Joystick *pad_handles[MAX_PADS];

struct PadSetting {
    const char *key;
    int *target;
    int limit;  // numbers from 0 to limit - 1 are taken
};
static const PadSetting pad_settings[] = {
    {"padmovex", &pad_axis_override[STICK_MOVE_X], PAD_AXIS_COUNT},
    {"padmovey", &pad_axis_override[STICK_MOVE_Y], PAD_AXIS_COUNT},
    {"padaimx", &pad_axis_override[STICK_AIM_X], PAD_AXIS_COUNT},
    {"padaimy", &pad_axis_override[STICK_AIM_Y], PAD_AXIS_COUNT},
    {"padfire", &pad_button_override[PAD_FIRE], PAD_BUTTON_COUNT},
    {"padsprint", &pad_button_override[PAD_SPRINT], PAD_BUTTON_COUNT},
    {"padstart", &pad_button_override[PAD_START], PAD_BUTTON_COUNT},
    {"padback", &pad_button_override[PAD_BACK], PAD_BUTTON_COUNT},
};

// A number out of range is no override, so a typo cannot leave a control dead.
void read_pad_settings()
{
    for (int &number : pad_axis_override)
        number = NO_CONTROL;
    for (int &number : pad_button_override)
        number = NO_CONTROL;
    for (const PadSetting &setting : pad_settings) {
        float value = setting_value_or(setting.key, (float)NO_CONTROL);
        if (value >= 0.0f && value < (float)setting.limit)
            *setting.target = (int)value;
    }
    float zone = setting_value_or("paddeadzone", (float)DEFAULT_DEAD_ZONE);
    pad_dead_zone = (zone >= 0.0f && zone <= (float)MAX_DEAD_ZONE) ? (int)zone : DEFAULT_DEAD_ZONE;
}

// Whether `text` holds one of the words between the bars of `part`, case ignored.
static bool holds_word(const char *text, const char *part)
{
    const char *bar = strchr(part, '|');
    if (bar && holds_word(text, bar + 1))
        return true;
    size_t n = bar ? (size_t)(bar - part) : strlen(part);
    for (; *text; text++) {
        size_t i = 0;
        while (i < n && text[i] &&
               tolower((unsigned char)text[i]) == tolower((unsigned char)part[i]))
            i++;
        if (i == n)
            return true;
    }
    return false;
}

bool is_pad_part(const char *name)
{
    return name && (holds_word(name, "motion sensors") || holds_word(name, "touchpad"));
}

// The first entry whose name part the pad's name holds and whose counts it
// has; the Xbox layout when none does. Under sdl12-compat's game-controller
// view every pad has that one layout.
int match_pad_layout(const char *name, int axes, int buttons)
{
    const char *compat = getenv(COMPAT_VARIABLE);
    if (compat && strcmp(compat, "1") == 0)
        return COMPAT_LAYOUT;
    for (int i = 0; i < pad_layout_count; i++) {
        const PadLayout &layout = pad_layouts[i];
        if (layout.name_part && name && holds_word(name, layout.name_part) &&
            axes >= layout.min_axes && buttons >= layout.min_buttons)
            return i;
    }
    return XBOX_LAYOUT;
}

static int axis_number(const Pad &pad, int role)
{
    int override = pad_axis_override[role];
    return override != NO_CONTROL ? override : pad_layouts[pad.layout].axes[role];
}

// Every control let go; a trigger rests where its layout says.
static void reset_pad(Pad &pad, const char *name, int layout)
{
    pad = Pad{};
    snprintf(pad.name, sizeof pad.name, "%s", name);
    pad.layout = layout;
    for (int role : {TRIGGER_SPRINT, TRIGGER_FIRE}) {
        int axis = axis_number(pad, role);
        if (axis >= 0 && axis < PAD_AXIS_COUNT)
            pad.axis[axis] = pad.trigger_rest[axis] = pad_layouts[layout].trigger_rest;
    }
}

void close_pads()
{
    for (int i = 0; i < MAX_PADS; i++) {
        if (pad_handles[i])
            SDL_JoystickClose(pad_handles[i]);
        pad_handles[i] = nullptr;
        pads[i] = Pad{};
    }
}

void open_pads()
{
    close_pads();
    if (SDL_WasInit(SDL_INIT_JOYSTICK))
        SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    if (SDL_InitSubSystem(SDL_INIT_JOYSTICK) < 0)
        return;  // pads that send events are still read
    int count = SDL_NumJoysticks();
    for (int i = 0; i < count && i < MAX_PADS; i++) {
        if (is_pad_part(SDL_JoystickName(i)))
            continue;  // its axes never rest
        SDL_Joystick *joystick = SDL_JoystickOpen(i);
        if (!joystick)
            continue;
        pad_handles[i] = joystick;
        const char *name = SDL_JoystickName(i);
        int layout =
            match_pad_layout(name, SDL_JoystickNumAxes(joystick), SDL_JoystickNumButtons(joystick));
        reset_pad(pads[i], name ? name : "Gamepad", layout);
        pads[i].present = true;
    }
    SDL_JoystickEventState(SDL_ENABLE);
}

// A pad SDL did not list counts from its first event on, with the default layout.
static Pad *pad_of_event(int which)
{
    if (which < 0 || which >= MAX_PADS)
        return nullptr;
    Pad &pad = pads[which];
    if (!pad.present) {
        char name[PAD_NAME_SIZE];
        snprintf(name, sizeof name, "Gamepad %d", which + 1);
        reset_pad(pad, name, match_pad_layout(nullptr, 0, 0));
        pad.present = true;
    }
    return &pad;
}

static float dead_zone_share()
{
    return (float)pad_dead_zone / 100.0f;
}

static float trigger_share(const Pad &pad, int axis)
{
    float rest = (float)pad.trigger_rest[axis];
    float share = ((float)pad.axis[axis] - rest) / ((float)AXIS_FULL - rest);
    return share < 0.0f ? 0.0f : (share > 1.0f ? 1.0f : share);
}

// A trigger that shows a value below its rest rests lower than its layout
// said: it is read from there on.
static void apply_axis(Pad &pad, int axis, int value)
{
    if (axis < 0 || axis >= PAD_AXIS_COUNT)
        return;
    pad.axis[axis] = value;
    bool trigger =
        axis == axis_number(pad, TRIGGER_SPRINT) || axis == axis_number(pad, TRIGGER_FIRE);
    if (trigger) {
        if (value < pad.trigger_rest[axis])
            pad.trigger_rest[axis] = value;
        pad.touched |= trigger_share(pad, axis) > TRIGGER_PULLED;
    } else if (axis == axis_number(pad, STICK_MOVE_X) || axis == axis_number(pad, STICK_MOVE_Y) ||
               axis == axis_number(pad, STICK_AIM_X) || axis == axis_number(pad, STICK_AIM_Y)) {
        pad.touched |= std::fabs((float)value / AXIS_FULL) > dead_zone_share();
    }
}

static void apply_hat(Pad &pad, int hat, int value)
{
    if (hat != 0)
        return;
    const int bits[4] = {SDL_HAT_UP, SDL_HAT_DOWN, SDL_HAT_LEFT, SDL_HAT_RIGHT};
    for (int i = 0; i < 4; i++) {
        if (!(value & bits[i]))
            pad.hat_button[i] = KEY_UP;
        else if (pad.hat_button[i] == KEY_UP) {
            pad.hat_button[i] = KEY_PRESSED;
            pad.touched = true;
        }
    }
}

// As with keys, all button downs are applied before all ups.
void update_pads()
{
    for (Pad &pad : pads) {
        pad.touched = false;
        for (int &state : pad.button)
            state = state == KEY_PRESSED ? KEY_HELD : state;
        for (int &state : pad.hat_button)
            state = state == KEY_PRESSED ? KEY_HELD : state;
    }
    SDL_Event e;
    while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_JOYBUTTONDOWNMASK) > 0) {
        Pad *pad = pad_of_event(e.jbutton.which);
        if (pad && e.jbutton.button < PAD_BUTTON_COUNT) {
            pad->button[e.jbutton.button] = KEY_PRESSED;
            pad->touched = true;
        }
    }
    while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_JOYBUTTONUPMASK) > 0) {
        Pad *pad = pad_of_event(e.jbutton.which);
        if (pad && e.jbutton.button < PAD_BUTTON_COUNT)
            pad->button[e.jbutton.button] = KEY_UP;
    }
    while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_JOYHATMOTIONMASK) > 0) {
        if (Pad *pad = pad_of_event(e.jhat.which))
            apply_hat(*pad, e.jhat.hat, e.jhat.value);
    }
    while (SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_JOYAXISMOTIONMASK) > 0) {
        if (Pad *pad = pad_of_event(e.jaxis.which))
            apply_axis(*pad, e.jaxis.axis, e.jaxis.value);
    }
}

int pad_button(int pad, int role)
{
    if (pad < 0 || pad >= MAX_PADS || !pads[pad].present)
        return KEY_UP;
    const Pad &p = pads[pad];
    int number = pad_button_override[role];
    if (number == NO_CONTROL)
        number = pad_layouts[p.layout].buttons[role];
    if (number == NO_CONTROL)
        return role >= PAD_UP ? p.hat_button[role - PAD_UP] : KEY_UP;
    return number < PAD_BUTTON_COUNT ? p.button[number] : KEY_UP;
}

bool pad_down(int pad, int role)
{
    return pad_button(pad, role) != KEY_UP;
}

bool pad_pressed(int pad, int role)
{
    return pad_button(pad, role) == KEY_PRESSED;
}

bool any_pad_pressed(int role)
{
    for (int i = 0; i < MAX_PADS; i++) {
        if (pad_pressed(i, role))
            return true;
    }
    return false;
}

bool pad_stick(int pad, int axis_x_role, float &x, float &y)
{
    x = y = 0.0f;
    if (pad < 0 || pad >= MAX_PADS || !pads[pad].present)
        return false;
    const Pad &p = pads[pad];
    int ax = axis_number(p, axis_x_role), ay = axis_number(p, axis_x_role + 1);
    if (ax >= 0 && ax < PAD_AXIS_COUNT)
        x = (float)p.axis[ax] / AXIS_FULL;
    if (ay >= 0 && ay < PAD_AXIS_COUNT)
        y = (float)p.axis[ay] / AXIS_FULL;
    x = x < -1.0f ? -1.0f : x;  // -32768 reads as a hair past -1
    y = y < -1.0f ? -1.0f : y;
    return std::hypot(x, y) > dead_zone_share();
}

float stick_reach(float x, float y)
{
    float zone = dead_zone_share();
    float reach = (std::hypot(x, y) - zone) / (1.0f - zone);
    return reach < 0.0f ? 0.0f : (reach > 1.0f ? 1.0f : reach);
}

float pad_trigger(int pad, int role)
{
    if (pad < 0 || pad >= MAX_PADS || !pads[pad].present)
        return 0.0f;
    int axis = axis_number(pads[pad], role);
    return axis >= 0 && axis < PAD_AXIS_COUNT ? trigger_share(pads[pad], axis) : 0.0f;
}

int pad_dpad_direction(int pad)
{
    return direction_of(pad_down(pad, PAD_UP), pad_down(pad, PAD_DOWN), pad_down(pad, PAD_LEFT),
                        pad_down(pad, PAD_RIGHT));
}
