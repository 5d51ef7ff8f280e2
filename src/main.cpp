// main.cpp -- the program's entry point: read the options, settle the folders, start up, run frames until quit
#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/canvas_dump.h"
#include "app/command_line.h"
#include "app/display.h"
#include "app/folders.h"
#include "main_loop.h"
#include "maps/replay_file.h"
#include "ui/replay_view.h"

// A replay named on the command line is read before the folders move the
// current folder, so a relative path means what the player typed. A file
// refused is told on stderr and nothing starts.
static bool read_replay_to_play()
{
    ReplaySummary summary;
    int error = 0;
    int result = load_replay_file(option_play, recorded_tape, summary, error);
    if (result == REPLAY_READ)
        return true;
    fprintf(stderr, "rotwalk: %s\n", replay_refusal(option_play, result, error).c_str());
    return false;
}

// SDL 1.2's main wrapper calls this where the platform needs it.
int main(int argc, char *argv[])
{
    attach_console();
    utf8_arguments(argc, argv);
    int command = read_command_line(argc, argv);
    if (command != COMMAND_PLAY)
        return command == COMMAND_DONE ? 0 : EXIT_USAGE;
    if (option_play && !read_replay_to_play())
        return 1;
    // Named from where the player stands, before the folders move it.
    std::string canvas = option_canvas ? path_from_here(option_canvas) : "";
    std::string problem = settle_folders(option_data, option_game_folder);
    if (!problem.empty()) {
        tell_fatal(problem);
        return 1;
    }
    problem = start_log();  // from here on stderr is the game folder's log on Windows
    if (!problem.empty())
        fprintf(stderr, "rotwalk: %s\n", problem.c_str());
    start_up();
    if (option_play && !watch_replay(recorded_tape, REPLAY_FROM_COMMAND)) {
        fprintf(stderr, "rotwalk: %s\n", replay_refusal(option_play, REPLAY_DAMAGED, 0).c_str());
        shut_down();
        return 1;
    }
    for (long frame = 1; !quit_requested; frame++) {
        run_frame();
        if (frame == option_frames)
            break;
    }
    int error = canvas.empty() ? 0 : write_canvas_dump(display_surface, canvas.c_str());
    if (error)
        fprintf(stderr, "rotwalk: cannot write %s: %s\n", canvas.c_str(), strerror(error));
    shut_down();
    return error ? 1 : 0;
}
