// command_line.h -- the options of the rotwalk command
#pragma once

#include <cstdio>

const char VERSION_TEXT[] = "Rotwalk 1.0.0";
const int FULLSCREEN_FROM_SETTINGS = -1;  // neither --windowed nor --fullscreen
const int EXIT_USAGE = 2;                 // an option the command does not know

// Set once at start-up from the command line
extern const char *option_data;         // --data DIR, or null
extern const char *option_game_folder;  // --game-folder DIR, or null
extern int option_fullscreen;           // 0 windowed, 1 full screen, or FULLSCREEN_FROM_SETTINGS
extern long option_frames;              // --frames N: quit after N frames; 0 runs until quit
extern const char *option_play;         // --play FILE: the replay to watch, or null
extern const char *option_canvas;       // --canvas FILE: where the last canvas goes, or null

// What the command line asks for: to play, or to have been answered already.
enum { COMMAND_PLAY, COMMAND_DONE, COMMAND_BAD };

// Reads the options; --help and --version print their answer, a bad option
// one line naming it and the usage on stderr.
int read_command_line(int argc, char **argv);
void print_usage(FILE *out);
