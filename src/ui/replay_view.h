// replay_view.h -- watching a recorded game: its time at the top, pause, speed, and the way out
#pragma once

#include "maps/replay_tape.h"

const int REPLAY_LINE_Y = 8;  // "Replay 0:12 / 1:05" at the top, centred
const int REPLAY_FASTEST = 4;
const char REPLAY_DIFFERS_TEXT[] = "This replay does not match this version of Rotwalk";

// Where a replay was started, which says where its end leads
enum {
    REPLAY_OF_LAST_GAME,  // the summary's "Watch replay": its end, the summary or the main menu
    REPLAY_FROM_LIST,     // the "Replays" list, which its end goes back to
    REPLAY_ATTRACT,       // the title screen's, ended by any key: the main menu
    REPLAY_FROM_COMMAND,  // rotwalk --play FILE, which quits at its end
};

// Per playback
extern bool replay_paused;
extern int replay_speed;  // game frames per drawn frame: 1, 2 or 4
extern int replay_origin;

// Starts watching a tape from its first frame; false when its start is refused.
bool watch_replay(const ReplayTape &tape, int origin);
// Starts watching the game recorded last; false when there is none.
bool watch_last_game();
// Whether the game's end goes on to the summary: not for the title
// screen's replay, nor for one the command line asked for.
bool replay_shows_summary();
// Each frame of SCREEN_GAME while a replay plays: Space pauses, 1, 2 and 4
// set the speed, "Back" ends it.
void watch_replay_frame();
// Ends the replay at once: where it was started from follows.
void stop_replay();
