// replay_tape.h -- a game's recording: how it began, then the input of every game frame as it changed
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "app/key_bindings.h"
#include "app/pads.h"
#include "game/game_clock.h"
#include "game/world.h"
#include "maps/map_file.h"

// How a game began: enough to begin it again without its files.
struct ReplayStart {
    int tiles[MAP_SIZE][MAP_SIZE];
    char map_name[GAME_MAP_NAME_SIZE];  // empty for a loaded game
    std::string save_text;              // a loaded game's save, or empty
    int mode, players;
    int devices[MAX_PLAYERS];
    unsigned seed;  // the stream's seed and its draws before the game's first
    long draws;
    int bindings[ACTION_COUNT];
    int pad_axes[AXIS_ROLE_COUNT], pad_buttons[PAD_ROLE_COUNT], dead_zone;
};

// A game frame's input is one row of numbers: the frame's length and speed
// factor, the keys, the mouse, the pads. A tape holds, per frame, the
// entries that differ from the frame before, as (index, value) pairs after
// their count.
struct ReplayTape {
    ReplayStart start;
    std::vector<int> changes;
    int frames;
    std::vector<uint64_t> hashes;  // the world's hash after every REPLAY_HASH_FRAMES frames
};

const int REPLAY_HASH_FRAMES = 300;
const int MAX_TAPE_FRAME_MS = 3600000;  // a frame an hour long is no game's
const int MAX_TAPE_WHEEL = 1000;        // wheel steps in one frame
extern const int TAPE_ROW;              // numbers in a frame's row

// What play_input found
enum { TAPE_FRAME, TAPE_ENDED, TAPE_DIFFERS };

// What a playback changes that is the player's own, kept aside until it ends
struct HeldControls {
    int bindings[ACTION_COUNT];
    int pad_axes[AXIS_ROLE_COUNT], pad_buttons[PAD_ROLE_COUNT], dead_zone;
    unsigned seed;  // the stream's place, so watching leaves the next game's draws alone
    long draws;
};

// Set while a game is recorded or played back
extern ReplayTape recorded_tape;  // the game running, or the last one
extern bool recording_game;
extern ReplayTape playback_tape;  // the game being watched
extern bool playing_replay;
extern std::vector<int> tape_input;  // the last frame's row, recording or playing
extern size_t tape_position;         // playback: the next frame's entries
extern int tape_frame;               // playback: frames played
extern long tape_elapsed_ms;         // playback: the game time played
extern long tape_total_ms;           // playback: the game time of the whole tape
extern std::vector<int> real_input;  // playback: the player's own input, kept aside for the frame
extern HeldControls held_controls;   // playback: the player's bindings, pad settings and stream

// The start from the world as a game has just begun it.
void begin_recording(const char *map_name, const std::string &save_text);
// Appends this game frame's input.
void record_input(float speed_factor);
// The game time the tape holds, by the frames' recorded lengths.
long recorded_length_ms(const ReplayTape &tape);
// Playback: the recorded start made the world's, the tape kept as the one
// watched, and its input from frame 0. False when the start is refused.
bool begin_playback(const ReplayTape &tape);
// The next frame's input written into the input tables and the frame clock:
// TAPE_FRAME; TAPE_ENDED when the tape is done; TAPE_DIFFERS, with nothing
// written, when the world is not the one the recording saw at this frame.
int play_input(float &speed_factor);
// The playback over: the player's bindings, pad settings and random stream
// as they were before it began. Nothing when no tape plays.
void end_playback();
// Whether a tape may set the row's entry `index` to `value`.
bool tape_value_ok(int index, int value);
// Around a frame played back: the player's own keys, mouse and pads are
// kept aside and given back, so Escape and the menus answer the player.
void hold_real_input();
void give_back_real_input();
