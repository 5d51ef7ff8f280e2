// replay_view.h -- watching a recorded game: its time at the top, pause, speed, and the way out
#pragma once

const int REPLAY_LINE_Y = 8;  // "Replay 0:12 / 1:05" at the top, centred
const int REPLAY_FASTEST = 4;
const char REPLAY_DIFFERS_TEXT[] = "This replay does not match this version of Rotwalk";

// Per playback
extern bool replay_paused;
extern int replay_speed;  // game frames per drawn frame: 1, 2 or 4

// Starts watching the game recorded last; false when there is none.
bool watch_last_game();
// Each frame of SCREEN_GAME while a replay plays: Space pauses, 1, 2 and 4
// set the speed, "Back" ends it.
void watch_replay_frame();
// Ends the replay at once: the main menu follows.
void stop_replay();
