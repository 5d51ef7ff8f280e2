// command_line.cpp -- the options of the rotwalk command
#include "app/command_line.h"

#include <climits>
#include <cstring>
#include <string>

#include "app/folders.h"
#include "app/safe_write.h"

const char *option_data = nullptr;
const char *option_game_folder = nullptr;
int option_fullscreen = FULLSCREEN_FROM_SETTINGS;
long option_frames = 0;
const char *option_play = nullptr;
const char *option_canvas = nullptr;

static const char USAGE[] =
    "Usage: rotwalk [options]\n"
    "A top-down zombie-survival shooter with a map editor.\n"
    "\n"
    "  --data DIR          read Media/ and the shipped maps from DIR\n"
    "  --game-folder DIR   keep settings, maps, saves and screenshots in DIR\n"
    "  --windowed          play in a window this time\n"
    "  --fullscreen        play full screen this time\n"
    "  --frames N          quit after N frames\n"
    "  --play FILE         watch a replay, then quit\n"
    "  --canvas FILE       at the end, write the last frame's picture to FILE (PPM)\n"
    "  --help              show this text and the folders the game would use\n"
    "  --version           show the version\n";

void print_usage(FILE *out)
{
    fputs(USAGE, out);
}

// Where the files would be, without creating anything.
static void print_folders()
{
    std::string exe = executable_folder();
    std::string data = find_data_folder(option_data, exe);
    bool portable = false;
    std::string game = planned_game_folder(option_data, option_game_folder, data, exe, portable);
    printf("\nData folder: %s\nGame folder: %s%s\n", data.empty() ? "(not found)" : data.c_str(),
           game.empty() ? "(none: no home folder)" : game.c_str(),
           portable ? " (portable: beside the game)" : "");
}

static int bad_option(const char *what, const char *option)
{
    fprintf(stderr, "rotwalk: %s: %s\n", what, option);
    print_usage(stderr);
    return COMMAND_BAD;
}

static bool read_frame_count(const char *text)
{
    return parse_whole_number(text, 1, LONG_MAX, option_frames);
}

int read_command_line(int argc, char **argv)
{
    for (int i = 1; i < argc; i++) {
        const char *option = argv[i];
        bool has_value = i + 1 < argc;
        if (strcmp(option, "--help") == 0) {
            print_usage(stdout);
            print_folders();
            return COMMAND_DONE;
        } else if (strcmp(option, "--version") == 0) {
            printf("%s\n", VERSION_TEXT);
            return COMMAND_DONE;
        } else if (strcmp(option, "--windowed") == 0) {
            option_fullscreen = 0;
        } else if (strcmp(option, "--fullscreen") == 0) {
            option_fullscreen = 1;
        } else if (strcmp(option, "--data") == 0 || strcmp(option, "--game-folder") == 0 ||
                   strcmp(option, "--frames") == 0 || strcmp(option, "--play") == 0 ||
                   strcmp(option, "--canvas") == 0) {
            if (!has_value)
                return bad_option("missing value for", option);
            const char *value = argv[++i];
            if (strcmp(option, "--data") == 0)
                option_data = value;
            else if (strcmp(option, "--game-folder") == 0)
                option_game_folder = value;
            else if (strcmp(option, "--play") == 0)
                option_play = value;
            else if (strcmp(option, "--canvas") == 0)
                option_canvas = value;
            else if (!read_frame_count(value))
                return bad_option("not a frame count", value);
        } else {
            return bad_option("unknown option", option);
        }
    }
    return COMMAND_PLAY;
}
