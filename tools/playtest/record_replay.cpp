// record_replay.cpp -- a bot's game through the real frame loop, kept as a replay file and checked by watching it
//
// Usage: record_replay MAP classic|waves BOT SEED OUT.rwr [MAX_SECONDS]
// The bot's keys, button and pointer go through SDL's event queue, as a
// player's would, so the game records them itself. The file is then
// played back through the same loop, which must reach the same kills with
// every world check passing. The shipped title screen replay is made so.
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>

#include "app/folders.h"
#include "app/frame_clock.h"
#include "app/input.h"
#include "app/random.h"
#include "app/safe_write.h"
#include "bots.h"
#include "game/game_clock.h"
#include "game/world.h"
#include "main_loop.h"
#include "maps/map_file.h"
#include "maps/replay_file.h"
#include "maps/replay_tape.h"
#include "ui/notice.h"
#include "ui/replay_view.h"
#include "ui/screens.h"

const int RECORD_FRAME_MS = 33;  // 30 frames a second, as a slow desktop runs
const int BOT_KEYS[] = {SDLK_w, SDLK_a, SDLK_s, SDLK_d, SDLK_LSHIFT};

static void push(Uint8 type, int code)
{
    SDL_Event event = {};
    event.type = type;
    if (type == SDL_KEYDOWN || type == SDL_KEYUP)
        event.key.keysym.sym = (SDLKey)code;
    else
        event.button.button = (Uint8)code;
    SDL_PushEvent(&event);
}

// What the bot wants this frame, turned into the events that make it so.
static void queue_bot_input(int bot)
{
    int keys[KEY_STATE_SIZE], buttons[MOUSE_BUTTON_COUNT];
    memcpy(keys, key_state, sizeof keys);
    memcpy(buttons, mouse_button_state, sizeof buttons);
    play_bot(bot);
    for (int key : BOT_KEYS) {
        bool want = key_state[key] != KEY_UP, have = keys[key] != KEY_UP;
        if (want != have)
            push(want ? SDL_KEYDOWN : SDL_KEYUP, key);
    }
    bool want = mouse_button_state[SDL_BUTTON_LEFT] != KEY_UP;
    if (want != (buttons[SDL_BUTTON_LEFT] != KEY_UP))
        push(want ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
    SDL_WarpMouse((Uint16)mouse_x[0], (Uint16)mouse_y[0]);
    memcpy(key_state, keys, sizeof keys);
    memcpy(mouse_button_state, buttons, sizeof buttons);
}

static int usage()
{
    fprintf(stderr, "usage: record_replay MAP classic|waves BOT SEED OUT.rwr [MAX_SECONDS]\n");
    return 2;
}

int main(int argc, char *argv[])
{
    if (argc < 6)
        return usage();
    int bot = -1;
    for (int b = 0; b < BOT_COUNT; b++)
        if (strcmp(argv[3], BOT_NAMES[b]) == 0)
            bot = b;
    int max_ms = argc > 6 ? atoi(argv[6]) * 1000 : MAX_GAME_TIME_MS;
    if (bot < 0 || max_ms <= 0)
        return usage();
    char here[FOLDER_PATH_SIZE];
    if (!getcwd(here, sizeof here))
        return 1;
    std::string out = argv[5][0] == '/' ? argv[5] : std::string(here) + "/" + argv[5];
    char folder[] = "/tmp/record_replay_XXXXXX";
    if (!mkdtemp(folder))
        return 1;
    std::string map = std::string(folder) + "/Maps";
    mkdir(map.c_str(), 0755);
    std::string grid;
    if (read_file_start((std::string(RECORD_MAPS_DIR) + "/" + argv[1]).c_str(), MAX_READ_BYTES,
                        grid) != 0 ||
        replace_file((map + "/" + argv[1]).c_str(), grid) != 0) {
        fprintf(stderr, "record_replay: cannot copy %s\n", argv[1]);
        return 1;
    }
    std::string problem = settle_folders(RECORD_DATA_DIR, folder);
    if (!problem.empty()) {
        fprintf(stderr, "record_replay: %s\n", problem.c_str());
        return 1;
    }
    start_up();
    scripted_frame_ms = RECORD_FRAME_MS;
    seed_random((unsigned)atoi(argv[4]));
    snprintf(map_path, sizeof map_path, "Maps/%s", argv[1]);
    player_count = 1;
    game_mode = strcmp(argv[2], "waves") == 0 ? MODE_WAVES : MODE_CLASSIC;
    screen_number = SCREEN_START_GAME;
    run_frame();
    while (screen_number == SCREEN_GAME && game_time_ms < max_ms) {
        queue_bot_input(bot);
        run_frame();
    }
    int kills = kill_count, seconds = game_time_ms / 1000;
    ReplayTape tape = recorded_tape;
    std::string text =
        replay_file_text(tape, replay_summary(tape, kills, (long long)time(nullptr)));
    if (replace_file(out.c_str(), text) != 0) {
        fprintf(stderr, "record_replay: cannot write %s\n", out.c_str());
        return 1;
    }
    printf("%s: %d frames, %d s, %d kills, %zu bytes\n", out.c_str(), tape.frames, seconds, kills,
           text.size());
    // Watched to its end, at another frame length: the checks must all pass.
    end_game();
    recording_game = false;
    for (int key : BOT_KEYS)
        push(SDL_KEYUP, key);
    push(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
    run_frame();
    scripted_frame_ms = 20;
    clear_notice();
    if (!watch_replay(tape, REPLAY_FROM_COMMAND))
        return 1;
    while (!quit_requested)
        run_frame();
    int watched_kills = kill_count;
    bool same = notice_text[0] == '\0' && tape_frame == tape.frames && watched_kills == kills;
    printf("watched: %d frames, %d kills: %s\n", tape_frame, watched_kills,
           same ? "the same game" : "NOT the same game");
    shut_down();
    return same ? 0 : 1;
}
