// coop.cpp -- the join screen of a game of several players: each device claims a slot, then the mode
#include "ui/coop.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "app/display.h"
#include "app/frame_clock.h"
#include "app/input.h"
#include "app/pads.h"
#include "game/controls.h"
#include "game/sprites.h"
#include "ui/buttons.h"
#include "ui/map_choice.h"
#include "ui/menus.h"
#include "ui/screens.h"
#include "ui/text.h"

int join_device[MAX_PLAYERS] = {DEVICE_NONE, DEVICE_NONE, DEVICE_NONE, DEVICE_NONE};
int join_marker_ms[MAX_PLAYERS];
bool choosing_coop_mode = false;

void open_coop_screen()
{
    open_pads();
    for (int i = 0; i < MAX_PLAYERS; i++) {
        join_device[i] = DEVICE_NONE;
        join_marker_ms[i] = 0;
    }
    if (active_device == DEVICE_KEYBOARD)
        join_device[0] = DEVICE_KEYBOARD;
    choosing_coop_mode = false;
    screen_number = SCREEN_COOP;
}

int joined_count()
{
    int count = 0;
    for (int device : join_device)
        count += device != DEVICE_NONE;
    return count;
}

static int slot_of(int device)
{
    for (int i = 0; i < MAX_PLAYERS; i++) {
        if (join_device[i] == device)
            return i;
    }
    return -1;
}

static void join(int device)
{
    int slot = slot_of(DEVICE_NONE);
    if (slot >= 0)
        join_device[slot] = device;
}

// The joined devices close up in slot order, so the players are P1 to Pn.
static void start_coop(int mode)
{
    player_count = 0;
    for (int device : join_device) {
        if (device != DEVICE_NONE)
            player_device[player_count++] = device;
    }
    for (int i = player_count; i < MAX_PLAYERS; i++)
        player_device[i] = DEVICE_NONE;
    game_mode = mode;
    screen_number = SCREEN_CHOOSE_MAP_TO_PLAY;
}

// A's of pads not yet in join and click nothing; a B leaves, or goes back
// from a pad that is not in; Start on a pad that is in starts.
static void read_joins()
{
    bool alt = (SDL_GetModState() & KMOD_ALT) != 0;
    if ((key_state[SDLK_RETURN] == KEY_PRESSED && !alt) || key_state[SDLK_SPACE] == KEY_PRESSED) {
        if (slot_of(DEVICE_KEYBOARD) < 0)
            join(DEVICE_KEYBOARD);
    }
    if (key_state[SDLK_BACKSPACE] == KEY_PRESSED && slot_of(DEVICE_KEYBOARD) >= 0)
        join_device[slot_of(DEVICE_KEYBOARD)] = DEVICE_NONE;
    if (keyboard_touched && slot_of(DEVICE_KEYBOARD) >= 0)
        join_marker_ms[slot_of(DEVICE_KEYBOARD)] = JOIN_MARKER_MS;
    for (int pad = 0; pad < MAX_PADS; pad++) {
        int slot = slot_of(pad);
        if (pad_pressed(pad, PAD_A) && slot < 0) {
            join(pad);
            cancel_pad_click();
        } else if (pad_pressed(pad, PAD_B)) {
            if (slot >= 0)
                join_device[slot] = DEVICE_NONE;
            else
                screen_number = SCREEN_MAIN_MENU;
        } else if (pad_pressed(pad, PAD_START) && slot >= 0 && joined_count() >= MIN_COOP_PLAYERS) {
            choosing_coop_mode = true;
        }
        slot = slot_of(pad);
        if (pads[pad].touched && slot >= 0)
            join_marker_ms[slot] = JOIN_MARKER_MS;
    }
}

// Two lines of at most JOIN_NAME_CHARS, broken at a blank where one is near.
void device_lines(int device, char *first, char *second, int size)
{
    const char *name = device == DEVICE_KEYBOARD ? "Keyboard and mouse" : pads[device].name;
    int length = (int)strlen(name), cut = length;
    if (length > JOIN_NAME_CHARS) {
        cut = JOIN_NAME_CHARS;
        for (int i = JOIN_NAME_CHARS; i > JOIN_NAME_CHARS / 2; i--) {
            if (name[i] == ' ') {
                cut = i;
                break;
            }
        }
    }
    snprintf(first, (size_t)size, "%.*s", cut, name);
    const char *rest = name + cut + (name[cut] == ' ');
    if ((int)strlen(rest) > JOIN_NAME_CHARS)
        snprintf(second, (size_t)size, "%.*s...", JOIN_NAME_CHARS - 3, rest);
    else
        snprintf(second, (size_t)size, "%s", rest);
}

static void draw_slot(int slot)
{
    int x = JOIN_PANEL_X + slot * JOIN_PANEL_STEP, cx = x + JOIN_PANEL_W / 2;
    draw_panel(x, JOIN_PANEL_Y, JOIN_PANEL_W, JOIN_PANEL_H);
    const Uint8 *rgb = PLAYER_COLORS[slot];
    Uint32 color = SDL_MapRGB(display_surface->format, rgb[0], rgb[1], rgb[2]);
    SDL_Rect strip = {(Sint16)(x + FRAME_THICKNESS), (Sint16)(JOIN_PANEL_Y + FRAME_THICKNESS),
                      (Uint16)(JOIN_PANEL_W - 2 * FRAME_THICKNESS), 6};
    SDL_FillRect(display_surface, &strip, color);
    char label[16], first[32], second[32];
    snprintf(label, sizeof label, "P%d", slot + 1);
    draw_text(cx, JOIN_PANEL_Y + 12, label, TEXT_CENTER);
    int device = join_device[slot];
    if (device == DEVICE_NONE) {
        draw_text(cx, JOIN_PANEL_Y + 60, "Press A", TEXT_CENTER);
        draw_text(cx, JOIN_PANEL_Y + 84, "to join", TEXT_CENTER);
        return;
    }
    device_lines(device, first, second, sizeof first);
    draw_text(cx, JOIN_PANEL_Y + 60, first, TEXT_CENTER);
    draw_text(cx, JOIN_PANEL_Y + 84, second, TEXT_CENTER);
    draw_player_ring(display_surface, cx, JOIN_PANEL_Y + 128, slot);
    if (join_marker_ms[slot] > 0) {
        SDL_Rect marker = {(Sint16)(cx - 8), (Sint16)(JOIN_PANEL_Y + 120), 16, 16};
        SDL_FillRect(display_surface, &marker, color);
    }
}

static void mode_rows()
{
    menu_line = MENU_FIRST_LINE;
    for (int mode = 0; mode < MODE_COUNT; mode++) {
        if (draw_menu_row(COOP_MODE_NAMES[mode]))
            start_coop(mode);
    }
    if (draw_corner_button("Back") || any_pad_pressed(PAD_B))
        choosing_coop_mode = false;
}

void coop_screen()
{
    draw_menu_background();
    draw_title(true);
    char line[48];
    int joined = joined_count();
    snprintf(line, sizeof line, "Co-op, %d player%s", joined, joined == 1 ? "" : "s");
    draw_text(TITLE_X, MODE_LINE_Y, line, TEXT_CENTER);
    for (int &ms : join_marker_ms)
        ms = ms > frame_ms ? ms - frame_ms : 0;
    if (choosing_coop_mode) {
        mode_rows();
        return;
    }
    read_joins();
    for (int slot = 0; slot < MAX_PLAYERS; slot++)
        draw_slot(slot);
    draw_text(TITLE_X, JOIN_HINT_Y, "Pads: A joins, B leaves", TEXT_CENTER);
    draw_text(TITLE_X, JOIN_HINT_Y + 24, "Keyboard: Enter joins, Backspace leaves", TEXT_CENTER);
    if (joined_count() >= MIN_COOP_PLAYERS) {
        if (draw_button(START_BUTTON_X, CORNER_BUTTON_Y, CORNER_BUTTON_W, CORNER_BUTTON_H, "Start"))
            choosing_coop_mode = true;
    } else {
        draw_text(TITLE_X, JOIN_HINT_Y + 60, "Two players or more to start", TEXT_CENTER);
    }
    if (draw_corner_button("Back"))
        screen_number = SCREEN_MAIN_MENU;
}
