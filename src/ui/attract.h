// attract.h -- the title screen's replay: one shipped with the game plays once the menu has idled
#pragma once

const int ATTRACT_IDLE_MS = 30000;        // the main menu untouched this long
const char ATTRACT_FOLDER[] = "Replays";  // in the data folder
const char ATTRACT_TEXT[] = "Press any key";

// Kept for the run
extern int attract_idle_ms;   // the main menu's time without input
extern int attract_next;      // the shipped replays take turns
extern bool attract_refused;  // one could not be played: the menu stays quiet this run

// Each frame of the main menu: counts the idle time and, when it is due and
// the setting allows, starts a shipped replay.
void count_attract_idle();
// Starts the next shipped replay; false when there is none to play.
bool start_attract_replay();
// Each frame of a title screen replay: true when a key, click or pad button
// ended it, the press answered so the menu does not see it.
bool attract_interrupted();
