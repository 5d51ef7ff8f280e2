// controls_menu.h -- the controls screen: the keys of each action, their presets, the pad's dead zone
#pragma once

const int NO_ACTION_WAITING = -1;
const int DEAD_ZONE_STEP = 5;  // percent per click
const int CONTROLS_HINT_LINE = 4;
const int CONTROLS_NAME_WIDTH = 8;  // characters of an action's name column

// Per frame, kept while the screen waits for a key
extern int binding_action;  // the action waiting for its key, or NO_ACTION_WAITING

void controls_screen();
