// coop.h -- the join screen of a game of several players: each device claims a slot, then the mode
#pragma once

#include "game/world.h"

const int JOIN_PANEL_X = 14, JOIN_PANEL_STEP = 154, JOIN_PANEL_Y = 130;
const int JOIN_PANEL_W = 148, JOIN_PANEL_H = 150;
const int JOIN_NAME_CHARS = 11;  // of a device's name on each of two lines
const int JOIN_MARKER_MS = 250;  // a device's marker stays lit this long after it moved
const int JOIN_HINT_Y = 300;
const int START_BUTTON_X = 380;  // beside "Back"
const int MIN_COOP_PLAYERS = 2;

// Reset when the join screen opens
extern int join_device[MAX_PLAYERS];  // DEVICE_NONE while a slot is free
extern int join_marker_ms[MAX_PLAYERS];
extern bool choosing_coop_mode;  // all have joined; the mode rows show

// Reopens the pads, so pads plugged in since are found, and empties the
// slots but the first, which the keyboard takes if it was touched last.
void open_coop_screen();
void coop_screen();
int joined_count();
// Shortens a device's name to two lines for its slot.
void device_lines(int device, char *first, char *second, int size);
