// main.cpp -- the program's entry point: read the options, settle the folders, start up, run frames until quit
#include <SDL.h>

#include <cstdio>
#include <string>

#include "app/command_line.h"
#include "app/folders.h"
#include "main_loop.h"

// SDL 1.2's main wrapper calls this where the platform needs it.
int main(int argc, char *argv[])
{
    int command = read_command_line(argc, argv);
    if (command != COMMAND_PLAY)
        return command == COMMAND_DONE ? 0 : EXIT_USAGE;
    std::string problem = settle_folders(option_data, option_game_folder);
    if (!problem.empty()) {
        fprintf(stderr, "rotwalk: %s\n", problem.c_str());
        return 1;
    }
    start_up();
    for (long frame = 1; !quit_requested; frame++) {
        run_frame();
        if (frame == option_frames)
            break;
    }
    shut_down();
    return 0;
}
