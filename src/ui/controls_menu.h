// controls_menu.h -- the controls screen: the keys of each action, their presets, the pad's dead zone
#pragma once

const int NO_ACTION_WAITING = -1;
const int DEAD_ZONE_STEP = 5;  // percent per click
const int NO_PAD_STEP = -1;
const int PAD_TAUGHT_COUNT = 4;  // fire, sprint, start, back
const int CONTROLS_HINT_LINE = 4;
const int CONTROLS_FIRST_LINE = 5;  // a row higher than other menus: the rows end clear of "Back"
const int CONTROLS_NAME_WIDTH = 8;  // characters of an action's name column

// Per frame, kept while the screen waits for a key
extern int binding_action;    // the action waiting for its key, or NO_ACTION_WAITING
extern int pad_binding_step;  // which pad button is being taught, or NO_PAD_STEP

// Whether a key or a pad button is awaited: the menu keys are then keys to bind.
bool controls_waiting();
void controls_screen();
