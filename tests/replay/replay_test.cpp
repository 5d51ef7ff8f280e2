// replay_test.cpp -- a whole scripted game through the real frame loop, checked against recorded hashes
#include <algorithm>
#include <cinttypes>
#include <fstream>

#include "app/backdrop.h"
#include "app/folders.h"
#include "app/frame_clock.h"
#include "app/main_loop.h"
#include "app/settings.h"
#include "game/world_fixture.h"
#include "maps/map_file.h"
#include "maps/save_game.h"
#include "ui/notice.h"

const int REPLAY_FRAMES = 3000;
const int CHECKPOINT_FRAMES = 250;  // a checkpoint after every 250th frame
const int REPLAY_FRAME_MS = 33;     // every frame: a speed factor of 0.99
const unsigned REPLAY_SEED = 20240601;
const char REPLAY_MAP[] = "Town.map";  // alone in Maps/: the folder's listing order cannot matter
const char RECORD_VARIABLE[] = "ROTWALK_RECORD_REPLAY";
const int CIRCLING = -1;      // the pointer circles the view's centre, as when aiming around
const int AIM_RADIUS = 150;   // display pixels: the circle stays clear of "Pause"
const double AIM_TURN = 0.1;  // radians per frame

// The input of a frame: events pushed into SDL's queue, and where the pointer
// is from then on. A click is a press and a release one frame apart, since
// the input rules ignore both in one frame.
struct Cue {
    int frame;
    Uint8 type;        // an SDL event type, POINT or CLICK
    int code;          // key symbol or mouse button
    int x = 0, y = 0;  // the pointer, for POINT and CLICK; x CIRCLING circles
};

const Uint8 DOWN = SDL_MOUSEBUTTONDOWN, UP = SDL_MOUSEBUTTONUP, KEY = SDL_KEYDOWN,
            UNKEY = SDL_KEYUP;
const Uint8 POINT = SDL_NOEVENT, CLICK = SDL_USEREVENT;  // no events of their own
const int LEFT = SDL_BUTTON_LEFT;

static const Cue script[] = {
    {10, CLICK, 0, 100, 155},
    {20, CLICK, 0, 100, 155},  // "Single Player", the map; the game starts in frame 21
    {30, POINT, 0, CIRCLING, 0},
    {30, KEY, SDLK_d},
    {30, DOWN, LEFT},  // walk right, firing
    {60, KEY, SDLK_LSHIFT},
    {80, UNKEY, SDLK_LSHIFT},
    {100, UNKEY, SDLK_d},
    {100, KEY, SDLK_s},
    {125, UNKEY, SDLK_s},
    {125, UP, LEFT},
    {135, CLICK, 0, 550, 410},
    {145, CLICK, 0, 320, 140},  // "Pause", "Save" and back to the game
    {150, POINT, 0, CIRCLING, 0},
    {150, KEY, SDLK_a},
    {150, DOWN, LEFT},
    {210, UNKEY, SDLK_a},
    {210, KEY, SDLK_w},
    {250, UNKEY, SDLK_w},
    {255, UP, LEFT},
    // "Pause", "Exit", "Load Game Save"
    {265, CLICK, 0, 550, 410},
    {275, CLICK, 0, 320, 170},
    {285, CLICK, 0, 100, 179},
    {290, POINT, 0, CIRCLING, 0},
    {290, KEY, SDLK_UP},
    {290, DOWN, LEFT},
    {330, KEY, SDLK_RIGHT},
    {340, KEY, SDLK_LSHIFT},
    {360, UNKEY, SDLK_LSHIFT},  // diagonal
    {380, UP, LEFT},
    {380, UNKEY, SDLK_UP},
    {380, UNKEY, SDLK_RIGHT},
    {385, KEY, SDLK_ESCAPE},
    {386, UNKEY, SDLK_ESCAPE},  // the overlay freezes the game
    {420, CLICK, 0, 320, 115},  // its "Resume game", fully open
    {450, POINT, 0, CIRCLING, 0},
    {450, KEY, SDLK_s},
    {450, DOWN, LEFT},
    {520, UNKEY, SDLK_s},
    {520, KEY, SDLK_a},
    {580, UNKEY, SDLK_a},
    {600, POINT, 0, 200, 200},
    {600, UP, LEFT},  // standing still, facing the horde, until it wins
    // The summary's "Main menu", "Credits", "Back"
    {1000, CLICK, 0, 320, 370},
    {1100, CLICK, 0, 100, 227},
    {1150, CLICK, 0, 550, 410},
    {1200, CLICK, 0, 100, 155},
    {1210, CLICK, 0, 100, 155},  // a second game
    {1220, POINT, 0, CIRCLING, 0},
    {1220, KEY, SDLK_w},
    {1220, DOWN, LEFT},
    {1300, UNKEY, SDLK_w},
    {1300, KEY, SDLK_LEFT},
    {1380, UNKEY, SDLK_LEFT},
    {1380, KEY, SDLK_DOWN},
    {1460, UNKEY, SDLK_DOWN},  // firing where it stands
    {1990, UP, LEFT},
    {2000, CLICK, 0, 320, 370},  // the summary's "Main menu"
    // "Load Game Save", the same save again, then "Pause" and "Exit"
    {2050, CLICK, 0, 100, 179},
    {2070, CLICK, 0, 550, 410},
    {2090, CLICK, 0, 320, 170},
};

// FNV-1a over the bytes of each value: a float is hashed by its bits, so the
// smallest change of any value shows.
const uint64_t FNV_OFFSET = 14695981039346656037ull, FNV_PRIME = 1099511628211ull;

static void hash_bytes(uint64_t &hash, const void *data, size_t size)
{
    for (size_t i = 0; i < size; i++)
        hash = (hash ^ ((const unsigned char *)data)[i]) * FNV_PRIME;
}

template <class... T> static void hash_values(uint64_t &hash, const T &...values)
{
    (hash_bytes(hash, &values, sizeof values), ...);
}

static uint64_t world_hash()
{
    uint64_t h = FNV_OFFSET;
    for (int i = 0; i < MAX_PLAYERS; i++)
        hash_values(h, player_x[i], player_y[i], player_angle[i], player_health[i],
                    player_energy[i], fire_cooldown[i]);
    hash_values(h, player_count, zombie_count, wall_rect_count);
    for (int i = 0; i < zombie_count; i++)
        hash_values(h, zombies[i]->x, zombies[i]->y, zombies[i]->angle, zombies[i]->health,
                    zombies[i]->target_player);
    for (int i = 0; i < wall_rect_count; i++)
        hash_values(h, wall_rects[i]->x, wall_rects[i]->y, wall_rects[i]->w, wall_rects[i]->h);
    hash_values(h, aim_x, aim_y, camera_x, camera_y, view_scale, pending_damage, hurt_flash,
                kill_count);
    hash_values(h, map_tiles, screen_number, overlay_level, overlay_open);
    return h;
}

// A checkpoint's line: the frame, the world's hash and the hash of the
// display's visible bytes (the padding at a row's end is not picture).
static std::string checkpoint_line(int frame)
{
    uint64_t display = FNV_OFFSET;
    const SDL_Surface *s = display_surface;
    for (int y = 0; y < s->h; y++)
        hash_bytes(display, (const Uint8 *)s->pixels + (size_t)y * s->pitch,
                   (size_t)s->w * s->format->BytesPerPixel);
    char line[64];
    snprintf(line, sizeof line, "%d %016" PRIx64 " %016" PRIx64, frame, world_hash(), display);
    return line;
}

static std::string golden_path()
{
    std::string source = __FILE__;
    return source.substr(0, source.rfind('/') + 1) + "golden.txt";
}

// The scratch folder as a player's game folder, and what a fresh process
// would hold in case other tests ran before in this one: the built artwork,
// the one map, a fixed depth and a 1:1 window so the display's bytes and the
// pointer's pixels are the same on every machine.
static void start_fresh_game_folder()
{
    ASSERT_EQ(symlink(MEDIA_DIR, "Media"), 0);
    ASSERT_EQ(mkdir("Maps", 0777), 0);
    write_text_file((std::string("Maps/") + REPLAY_MAP).c_str(),
                    read_file((std::string(SHIPPED_MAPS_DIR) + "/" + REPLAY_MAP).c_str()));
    write_text_file(SETTINGS_FILE, "screenbpp = 32\nscale = 1\nfullscreen = 0\n");
    clean_world();
    quit_requested = false;
    data_folder[0] = '\0';  // the artwork is read from the scratch folder
    last_frame_tick = 0, frame_ms = 0, frames_per_second = 0.0f;
    pointer_shown_before = false;
    clear_notice();
    // A new game leaves the angles and the unused slots' gauges as earlier runs left them.
    for (float *slots : {player_angle, player_health, player_energy, player_x, player_y})
        std::fill(slots, slots + MAX_PLAYERS, 0.0f);
    struct tm moment = {};
    moment.tm_year = 126, moment.tm_mon = 5, moment.tm_mday = 1, moment.tm_wday = 1,
    moment.tm_hour = 15;
    build_clock_texts(moment);  // the overlay shows them; the scripted clock leaves them
    scripted_frame_ms = REPLAY_FRAME_MS;
}

static void feed_input(int frame)
{
    int x = 0, y = 0;
    for (const Cue &cue : script) {
        if (cue.frame > frame)
            break;
        if (cue.type == POINT || cue.type == CLICK)
            x = cue.x, y = cue.y;
        if (cue.type == CLICK && frame - cue.frame < 2)
            push_event(frame == cue.frame ? DOWN : UP, LEFT);
        else if (cue.type != POINT && cue.type != CLICK && cue.frame == frame)
            push_event(cue.type, cue.code);
    }
    if (x == CIRCLING) {
        x = VIEW_W / 2 + (int)(AIM_RADIUS * std::cos(frame * AIM_TURN));
        y = VIEW_H / 2 + (int)(AIM_RADIUS * std::sin(frame * AIM_TURN));
    }
    SDL_WarpMouse((Uint16)x, (Uint16)y);  // the dummy driver's pointer, read by update_input
}

using GoldenReplay = ScratchFolderTest;

// The main menu, a game with walking, sprinting and firing, a save, an exit,
// the load of the save, the overlay over the game, a death with its summary,
// the credits, a second game to its end and the save loaded once more: after
// every 250th frame the world and the display must hash as recorded.
TEST_F(GoldenReplay, AScriptedGameHashesAsRecorded)
{
    start_fresh_game_folder();
    start_up();
    ASSERT_EQ(display_surface->format->BitsPerPixel, 32);
    srand(REPLAY_SEED);
    const char *record = getenv(RECORD_VARIABLE);
    const bool recording = record && strcmp(record, "0") != 0;
    const std::string golden = read_file(golden_path().c_str());
    std::string run = "# frame, world hash, display hash of the replay; ";
    run += std::string(RECORD_VARIABLE) + "=1 re-records\n";
    std::string picture;  // the first display unlike the recorded one, for a person to look at
    std::string saved;
    int loads = 0, deaths = 0, most_kills = 0;  // to show a recording did not go trivially wrong
    for (int frame = 0; frame < REPLAY_FRAMES; frame++) {
        feed_input(frame);
        int screen_before = screen_number;
        run_frame();
        if (screen_number == SCREEN_GAME && screen_before == SCREEN_GAME_MENU)
            saved = read_file(SAVE_FILE);  // "Save" went back to the game
        if (screen_number == SCREEN_GAME && screen_before == SCREEN_MAIN_MENU) {
            loads++;
            EXPECT_EQ(saved_game_text(), saved)
                << "loaded in frame " << frame;  // exactly the game saved
        }
        deaths += screen_before == SCREEN_GAME && screen_number == SCREEN_GAME_OVER;
        most_kills = std::max(most_kills, kill_count);
        if ((frame + 1) % CHECKPOINT_FRAMES != 0)
            continue;
        run += checkpoint_line(frame + 1) + "\n";
        if (!recording && picture.empty() && golden.compare(0, run.size(), run) != 0) {
            picture = previous_folder + "/replay_after_frame_" + std::to_string(frame + 1) + ".png";
            save_surface_png(display_surface, picture.c_str());
        }
    }
    EXPECT_TRUE(!quit_requested && last_frame_tick == (Uint32)(REPLAY_FRAMES * REPLAY_FRAME_MS));
    EXPECT_STREQ(time_text, "3:00:00 PM");  // never read from the machine's clock
    shut_down();
    scripted_frame_ms = 0;
    EXPECT_TRUE(!saved.empty() && loads == 2 && deaths == 2 && most_kills > 0);
    if (recording) {
        write_text_file(golden_path().c_str(), run);
        FAIL() << "recorded the checkpoints into " << golden_path()
               << "; a recording run never passes: run the test again without " << RECORD_VARIABLE;
    }
    EXPECT_EQ(run, golden)
        << "the first display unlike the recorded one: " << picture
        << " (after an intended change, record golden.txt again: see the README)";
}
