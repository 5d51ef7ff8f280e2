// padscript.cpp -- plays the real game in a real window while a script works its gamepads
//
// Usage: padscript SCRIPT [the game's options]
// Each line of SCRIPT is a time in milliseconds since start-up and a cue:
//   T axis PAD AXIS VALUE      a stick or trigger moved (-32768 to 32767)
//   T button PAD BUTTON down   (or up)
//   T hat PAD VALUE            hat 0 to SDL's hat bits (1 up, 2 right, 4 down, 8 left)
//   T say TEXT                 TEXT on stdout, then the picture holds still for a second
//   T quit
// Blank lines and lines from # on are skipped. The events go into SDL's own
// queue, as a pad's driver would put them, so the game cannot tell them from
// a pad's. Nothing touches the keyboard or the mouse.
#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/folders.h"
#include "main_loop.h"

const Uint32 SAY_HOLD_MS = 1000;  // long enough to take a screenshot from outside

struct Cue {
    Uint32 ms;
    std::string kind, text;
    int pad, index, value;
};

static bool read_cue(const std::string &line, Cue &cue)
{
    std::istringstream in(line);
    cue = Cue{};
    if (!(in >> cue.ms >> cue.kind))
        return false;
    if (cue.kind == "say") {
        std::getline(in >> std::ws, cue.text);
        return true;
    }
    if (cue.kind == "quit")
        return true;
    if (cue.kind == "hat")
        return (bool)(in >> cue.pad >> cue.value);
    if (cue.kind == "axis")
        return (bool)(in >> cue.pad >> cue.index >> cue.value);
    std::string state;
    if (cue.kind != "button" || !(in >> cue.pad >> cue.index >> state) ||
        (state != "down" && state != "up"))
        return false;
    cue.value = state == "down";
    return true;
}

static bool read_script(const char *path, std::vector<Cue> &cues)
{
    std::ifstream file(path);
    if (!file) {
        fprintf(stderr, "padscript: cannot read %s\n", path);
        return false;
    }
    int number = 0;
    for (std::string line; std::getline(file, line);) {
        number++;
        line = line.substr(0, line.find('#'));
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        Cue cue;
        if (!read_cue(line, cue)) {
            fprintf(stderr, "padscript: %s:%d: not a cue: %s\n", path, number, line.c_str());
            return false;
        }
        cues.push_back(cue);
    }
    return true;
}

static void push_cue(const Cue &cue)
{
    SDL_Event event = {};
    if (cue.kind == "axis") {
        event.type = SDL_JOYAXISMOTION;
        event.jaxis.which = (Uint8)cue.pad;
        event.jaxis.axis = (Uint8)cue.index;
        event.jaxis.value = (Sint16)cue.value;
    } else if (cue.kind == "hat") {
        event.type = SDL_JOYHATMOTION;
        event.jhat.which = (Uint8)cue.pad;
        event.jhat.value = (Uint8)cue.value;
    } else {
        event.type = cue.value ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP;
        event.jbutton.which = (Uint8)cue.pad;
        event.jbutton.button = (Uint8)cue.index;
    }
    SDL_PushEvent(&event);
}

int main(int argc, char *argv[])
{
    if (argc < 2 || argv[1][0] == '-') {
        fprintf(stderr, "usage: padscript SCRIPT [the game's options]\n");
        return EXIT_USAGE;
    }
    std::vector<Cue> cues;
    if (!read_script(argv[1], cues))
        return 1;
    argv[1] = argv[0];  // the game reads its own options after the script
    int command = read_command_line(argc - 1, argv + 1);
    if (command != COMMAND_PLAY)
        return command == COMMAND_DONE ? 0 : EXIT_USAGE;
    std::string problem = settle_folders(option_data, option_game_folder);
    if (!problem.empty()) {
        fprintf(stderr, "padscript: %s\n", problem.c_str());
        return 1;
    }
    start_up();
    Uint32 start = SDL_GetTicks(), held = 0;  // time spent holding still is not script time
    size_t next = 0;
    while (!quit_requested) {
        Uint32 now = SDL_GetTicks() - start - held;
        for (; next < cues.size() && cues[next].ms <= now; next++) {
            const Cue &cue = cues[next];
            if (cue.kind == "quit") {
                quit_requested = true;
            } else if (cue.kind == "say") {
                printf("%s\n", cue.text.c_str());
                fflush(stdout);
                SDL_Delay(SAY_HOLD_MS);
                held += SAY_HOLD_MS;
            } else {
                push_cue(cue);
            }
        }
        run_frame();
    }
    shut_down();
    return 0;
}
