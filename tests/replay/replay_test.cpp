// replay_test.cpp -- a whole scripted game through the real frame loop, checked against recorded hashes
#include <algorithm>
#include <cinttypes>
#include <fstream>
#include <sstream>

#include "app/backdrop.h"
#include "app/folders.h"
#include "app/frame_clock.h"
#include "app/main_loop.h"
#include "app/settings.h"
#include "game/world.h"
#include "maps/map_file.h"
#include "maps/save_game.h"
#include "support.h"
#include "ui/notice.h"

const int REPLAY_FRAMES = 3000;
const int CHECKPOINT_FRAMES = 250;   // a checkpoint after every 250th frame
const int REPLAY_FRAME_MS = 33;      // every frame: a speed factor of 0.99
const unsigned REPLAY_SEED = 20240601;
const char REPLAY_MAP[] = "Town.map";  // alone in Maps/: the folder's listing order cannot matter
const char RECORD_VARIABLE[] = "ROTWALK_RECORD_REPLAY";
const int CIRCLING = -1;             // the pointer circles the view's centre, as when aiming around
const int AIM_RADIUS = 150;          // display pixels: the circle stays clear of "Pause"
const double AIM_TURN = 0.1;         // radians per frame

// From `frame` on the pointer is at (x, y), or circles when x is CIRCLING.
struct PointerCue {
    int frame, x, y;
};

static const PointerCue pointer_track[] = {
    {0, 100, 155},    // main menu "Single Player", then the first map row
    {30, CIRCLING, 0},
    {130, 550, 410},  // "Pause"
    {138, 320, 140},  // pause menu "Save"
    {150, CIRCLING, 0},
    {260, 550, 410},  // "Pause"
    {268, 320, 170},  // pause menu "Exit"
    {278, 100, 179},  // main menu "Load Game Save"
    {290, CIRCLING, 0},
    {388, 320, 115},  // the overlay's "Resume game", fully open
    {450, CIRCLING, 0},
    {600, 200, 200},  // standing still, facing the horde
    {990, 320, 370},  // the summary's "Main menu"
    {1090, 100, 227},  // main menu "Credits"
    {1140, 550, 410},  // "Back"
    {1190, 100, 155},  // a second game
    {1220, CIRCLING, 0},
    {1990, 320, 370},  // the summary's "Main menu"
    {2040, 100, 179},  // main menu "Load Game Save", the same save again
    {2060, 550, 410},  // "Pause"
    {2080, 320, 170},  // pause menu "Exit"
};

// Events pushed into SDL's queue before the frame; a click is a press and a
// release one frame apart, since the input rules ignore both in one frame.
struct EventCue {
    int frame;
    Uint8 type;
    int code;  // key symbol or mouse button
};

const Uint8 DOWN = SDL_MOUSEBUTTONDOWN, UP = SDL_MOUSEBUTTONUP, KEY = SDL_KEYDOWN, UNKEY = SDL_KEYUP;
const int LEFT = SDL_BUTTON_LEFT;

static const EventCue event_track[] = {
    {10, DOWN, LEFT}, {11, UP, LEFT},  // "Single Player"
    {20, DOWN, LEFT}, {21, UP, LEFT},  // the map; the game starts in frame 21
    {30, KEY, SDLK_d}, {30, DOWN, LEFT},  // walk right, firing
    {60, KEY, SDLK_LSHIFT}, {80, UNKEY, SDLK_LSHIFT},
    {100, UNKEY, SDLK_d}, {100, KEY, SDLK_s}, {125, UNKEY, SDLK_s}, {125, UP, LEFT},
    {135, DOWN, LEFT}, {136, UP, LEFT},  // "Pause"
    {145, DOWN, LEFT}, {146, UP, LEFT},  // "Save", and back to the game
    {150, KEY, SDLK_a}, {150, DOWN, LEFT},
    {210, UNKEY, SDLK_a}, {210, KEY, SDLK_w}, {250, UNKEY, SDLK_w}, {255, UP, LEFT},
    {265, DOWN, LEFT}, {266, UP, LEFT},  // "Pause"
    {275, DOWN, LEFT}, {276, UP, LEFT},  // "Exit": back to the main menu
    {285, DOWN, LEFT}, {286, UP, LEFT},  // "Load Game Save"
    {290, KEY, SDLK_UP}, {290, DOWN, LEFT},
    {330, KEY, SDLK_RIGHT}, {340, KEY, SDLK_LSHIFT}, {360, UNKEY, SDLK_LSHIFT},  // diagonal
    {380, UP, LEFT}, {380, UNKEY, SDLK_UP}, {380, UNKEY, SDLK_RIGHT},
    {385, KEY, SDLK_ESCAPE}, {386, UNKEY, SDLK_ESCAPE},  // the overlay freezes the game
    {420, DOWN, LEFT}, {421, UP, LEFT},                  // "Resume game"
    {450, KEY, SDLK_s}, {450, DOWN, LEFT},
    {520, UNKEY, SDLK_s}, {520, KEY, SDLK_a}, {580, UNKEY, SDLK_a},
    {600, UP, LEFT},  // stand still until the horde wins
    {1000, DOWN, LEFT}, {1001, UP, LEFT},  // "Main menu"
    {1100, DOWN, LEFT}, {1101, UP, LEFT},  // "Credits"
    {1150, DOWN, LEFT}, {1151, UP, LEFT},  // "Back"
    {1200, DOWN, LEFT}, {1201, UP, LEFT},  // "Single Player"
    {1210, DOWN, LEFT}, {1211, UP, LEFT},  // the map
    {1220, KEY, SDLK_w}, {1220, DOWN, LEFT},
    {1300, UNKEY, SDLK_w}, {1300, KEY, SDLK_LEFT}, {1380, UNKEY, SDLK_LEFT}, {1380, KEY, SDLK_DOWN},
    {1460, UNKEY, SDLK_DOWN},  // firing where it stands
    {1990, UP, LEFT}, {2000, DOWN, LEFT}, {2001, UP, LEFT},  // "Main menu"
    {2050, DOWN, LEFT}, {2051, UP, LEFT},  // "Load Game Save"
    {2070, DOWN, LEFT}, {2071, UP, LEFT},  // "Pause"
    {2090, DOWN, LEFT}, {2091, UP, LEFT},  // "Exit", and the main menu to the end
};

// FNV-1a over the bytes of each value: a float is hashed by its bits, so the
// smallest change of any value shows.
const uint64_t FNV_OFFSET = 14695981039346656037ull, FNV_PRIME = 1099511628211ull;

static void hash_bytes(uint64_t &hash, const void *data, size_t size)
{
    const unsigned char *bytes = (const unsigned char *)data;
    for (size_t i = 0; i < size; i++)
        hash = (hash ^ bytes[i]) * FNV_PRIME;
}

template <class... T> static void hash_values(uint64_t &hash, const T &...values)
{
    (hash_bytes(hash, &values, sizeof values), ...);
}

static uint64_t world_hash()
{
    uint64_t h = FNV_OFFSET;
    for (int i = 0; i < MAX_PLAYERS; i++)
        hash_values(h, player_x[i], player_y[i], player_angle[i], player_health[i], player_energy[i], fire_cooldown[i]);
    hash_values(h, player_count, zombie_count, wall_rect_count);
    for (int i = 0; i < zombie_count; i++)
        hash_values(h, zombies[i]->x, zombies[i]->y, zombies[i]->angle, zombies[i]->health, zombies[i]->target_player);
    for (int i = 0; i < wall_rect_count; i++)
        hash_values(h, wall_rects[i]->x, wall_rects[i]->y, wall_rects[i]->w, wall_rects[i]->h);
    hash_values(h, aim_x, aim_y, camera_x, camera_y, view_scale, pending_damage, hurt_flash, kill_count);
    hash_values(h, map_tiles, screen_number, overlay_level, overlay_open);
    return h;
}

// The visible bytes of every row; the padding at a row's end is not picture.
static uint64_t display_hash()
{
    uint64_t h = FNV_OFFSET;
    const SDL_Surface *s = display_surface;
    for (int y = 0; y < s->h; y++)
        hash_bytes(h, (const Uint8 *)s->pixels + (size_t)y * s->pitch, (size_t)s->w * s->format->BytesPerPixel);
    return h;
}

struct Checkpoint {
    int frame;
    uint64_t world, display;
};

static std::string golden_path()
{
    std::string source = __FILE__;
    return source.substr(0, source.rfind('/') + 1) + "golden.txt";
}

static std::vector<Checkpoint> read_golden()
{
    std::vector<Checkpoint> golden;
    std::ifstream in(golden_path());
    std::string line;
    while (std::getline(in, line)) {
        Checkpoint c;
        if (line.empty() || line[0] == '#' ||
            sscanf(line.c_str(), "%d %" SCNx64 " %" SCNx64, &c.frame, &c.world, &c.display) != 3)
            continue;
        golden.push_back(c);
    }
    return golden;
}

static void write_golden(const std::vector<Checkpoint> &run)
{
    FILE *out = fopen(golden_path().c_str(), "w");
    ASSERT_NE(out, nullptr) << golden_path();
    fprintf(out, "# frame, world hash, display hash of the replay; %s=1 re-records\n", RECORD_VARIABLE);
    for (const Checkpoint &c : run)
        fprintf(out, "%d %016" PRIx64 " %016" PRIx64 "\n", c.frame, c.world, c.display);
    fclose(out);
}

// The scratch folder as a player's game folder: the built artwork, the one
// map, a fixed depth and a 1:1 window so the display's bytes and the
// pointer's pixels are the same on every machine.
static void prepare_game_folder()
{
    ASSERT_EQ(symlink(MEDIA_DIR, "Media"), 0);
    ASSERT_EQ(mkdir("Maps", 0777), 0);
    std::ifstream map(std::string(SHIPPED_MAPS_DIR) + "/" + REPLAY_MAP, std::ios::binary);
    std::stringstream rows;
    rows << map.rdbuf();
    write_text_file((std::string("Maps/") + REPLAY_MAP).c_str(), rows.str());
    write_text_file(SETTINGS_FILE, "screenbpp = 32\nscale = 1\nfullscreen = 0\n");
}

// What a fresh process would hold, in case other tests ran before in this one.
static void reset_program_state()
{
    screen_number = SCREEN_MAIN_MENU;
    quit_requested = false;
    data_folder[0] = '\0';  // the artwork is read from the scratch folder
    memset(key_state, 0, sizeof key_state);
    memset(mouse_button_state, 0, sizeof mouse_button_state);
    last_frame_tick = 0, frame_ms = 0, frames_per_second = 0.0f;
    pointer_shown_before = false;
    clear_notice();
    clear_zombies();
    clear_wall_rects();
    // A new game leaves the angles and the unused slots' gauges as earlier runs left them.
    for (float *slots : {player_angle, player_health, player_energy, player_x, player_y})
        std::fill(slots, slots + MAX_PLAYERS, 0.0f);
    struct tm moment = {};
    moment.tm_year = 126, moment.tm_mon = 5, moment.tm_mday = 1, moment.tm_wday = 1, moment.tm_hour = 15;
    build_clock_texts(moment);  // the overlay shows them; the scripted clock leaves them
    scripted_frame_ms = REPLAY_FRAME_MS;
}

static void feed_input(int frame)
{
    for (const EventCue &cue : event_track)
        if (cue.frame == frame)
            push_event(cue.type, cue.code);
    const PointerCue *pointer = &pointer_track[0];
    for (const PointerCue &cue : pointer_track)
        if (cue.frame <= frame)
            pointer = &cue;
    int x = pointer->x, y = pointer->y;
    if (x == CIRCLING) {
        x = VIEW_W / 2 + (int)(AIM_RADIUS * std::cos(frame * AIM_TURN));
        y = VIEW_H / 2 + (int)(AIM_RADIUS * std::sin(frame * AIM_TURN));
    }
    SDL_WarpMouse((Uint16)x, (Uint16)y);  // the dummy driver's pointer, read by update_input
}

// What the run did, to show it did not go trivially wrong.
struct RunFacts {
    bool entered_game = false, menu_after_death = false;
    int loads = 0, deaths = 0, first_death = -1, kills_at_load = -1, most_kills = 0;
    std::string saved_text;
};

static std::string saved_file_text()
{
    std::ifstream saved(SAVE_FILE);
    std::stringstream text;
    text << saved.rdbuf();
    return text.str();
}

static void note_facts(int frame, int screen_before, RunFacts &facts)
{
    facts.entered_game |= screen_number == SCREEN_GAME;
    if (screen_before == SCREEN_GAME_MENU && screen_number == SCREEN_GAME) {
        facts.saved_text = saved_file_text();
        EXPECT_EQ(facts.saved_text, saved_game_text()) << "saved in frame " << frame;
    }
    if (screen_before == SCREEN_MAIN_MENU && screen_number == SCREEN_GAME) {
        facts.loads++;
        EXPECT_EQ(saved_game_text(), facts.saved_text) << "loaded in frame " << frame;
        facts.kills_at_load = facts.loads == 1 ? kill_count : facts.kills_at_load;
    }
    if (screen_before == SCREEN_GAME && screen_number != SCREEN_GAME && screen_number != SCREEN_GAME_MENU) {
        EXPECT_EQ(player_health[0], 0.0f) << "the game ended in frame " << frame;
        facts.first_death = facts.deaths++ ? facts.first_death : frame;
    }
    facts.menu_after_death |= facts.deaths > 0 && screen_number == SCREEN_MAIN_MENU;
    facts.most_kills = std::max(facts.most_kills, kill_count);
}

static std::string first_difference(const std::vector<Checkpoint> &run, const std::vector<Checkpoint> &golden)
{
    if (run.size() != golden.size())
        return "golden.txt has " + std::to_string(golden.size()) + " checkpoints, the run " +
               std::to_string(run.size()) + " (record it: see the README)";
    for (size_t i = 0; i < run.size(); i++) {
        bool world = run[i].world != golden[i].world, display = run[i].display != golden[i].display;
        if (run[i].frame != golden[i].frame || world || display)
            return "first difference at the checkpoint after frame " + std::to_string(run[i].frame) + ": " +
                   (world && display ? "world and display" : world ? "world" : "display");
    }
    return "";
}

using GoldenReplay = ScratchFolderTest;

// The main menu, a game with walking, sprinting and firing, a save, an exit,
// the load of the save, the overlay over the game, a death with its summary,
// the credits, a second game to its end and the save loaded once more: after
// every 250th frame the world and the display must hash as recorded.
TEST_F(GoldenReplay, AScriptedGameHashesAsRecorded)
{
    prepare_game_folder();
    reset_program_state();
    start_up();
    ASSERT_EQ(display_surface->format->BitsPerPixel, 32);
    srand(REPLAY_SEED);
    const char *record = getenv(RECORD_VARIABLE);
    const bool recording = record && strcmp(record, "0") != 0;
    const std::vector<Checkpoint> golden = read_golden();
    std::vector<Checkpoint> run;
    RunFacts facts;
    std::string picture;  // the first display unlike the recorded one, for a person to look at
    for (int frame = 0; frame < REPLAY_FRAMES; frame++) {
        feed_input(frame);
        int screen_before = screen_number;
        run_frame();
        note_facts(frame, screen_before, facts);
        if ((frame + 1) % CHECKPOINT_FRAMES != 0)
            continue;
        Checkpoint c = {frame + 1, world_hash(), display_hash()};
        if (!recording && picture.empty() && run.size() < golden.size() && c.display != golden[run.size()].display) {
            picture = previous_folder + "/replay_after_frame_" + std::to_string(c.frame) + ".png";
            save_surface_png(display_surface, picture.c_str());
        }
        run.push_back(c);
    }
    EXPECT_TRUE(!quit_requested && last_frame_tick == (Uint32)(REPLAY_FRAMES * REPLAY_FRAME_MS));
    EXPECT_STREQ(time_text, "3:00:00 PM");  // never read from the machine's clock
    shut_down();
    scripted_frame_ms = 0;
    printf("[ replay   ] %d kills at most, %d at the load, %d deaths, the first in frame %d\n", facts.most_kills,
           facts.kills_at_load, facts.deaths, facts.first_death);
    EXPECT_TRUE(facts.entered_game && facts.deaths == 2 && facts.menu_after_death);
    EXPECT_TRUE(!facts.saved_text.empty() && facts.loads == 2);  // each load restored the save exactly
    EXPECT_GT(facts.most_kills, facts.kills_at_load);
    if (recording) {
        write_golden(run);
        FAIL() << "recorded " << run.size() << " checkpoints into " << golden_path()
               << "; a recording run never passes: run the test again without " << RECORD_VARIABLE;
    }
    EXPECT_EQ(first_difference(run, golden), "") << (picture.empty() ? "" : "the display then: " + picture);
}
