// soak.cpp -- a long headless run of the real frame loop: the world's rules every frame, saves that load, flat memory
//
// Usage: soak [map file name in data/Maps] [frames] [classic|waves]
// Plays game after game through the menus with the dummy video and audio
// drivers, a fixed frame length and a fixed seed. Exits 1 at the first broken
// rule, or when resident memory grows by more than 1 MB after frame 10,000.
#include <SDL.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>

#include "app/artwork.h"
#include "app/frame_clock.h"
#include "app/input.h"
#include "app/random.h"
#include "app/settings.h"
#include "app/window_scale.h"
#include "game/camera.h"
#include "game/collision.h"
#include "game/waves.h"
#include "game/world.h"
#include "main_loop.h"
#include "maps/save_game.h"
#include "ui/buttons.h"
#include "ui/game_menu.h"
#include "ui/game_over.h"

namespace fs = std::filesystem;

const int DEFAULT_FRAMES = 100000;
const char DEFAULT_MAP[] = "Town.map";
const int SOAK_FRAME_MS = 33;  // every frame: a speed factor of 0.99
const unsigned SOAK_SEED = 4242;
const int MEMORY_BASELINE_FRAME = 10000;     // by then every lasting allocation is made
const long MAX_MEMORY_GROWTH = 1024 * 1024;  // bytes of resident memory after the baseline
const int SAVE_CHECK_FRAMES = 5000;          // a save and load of the running game this often
const int WALK_LEG_FRAMES = 45;              // frames per leg of the walked square
const int PLAY_CYCLE_FRAMES = 900;           // walk and fire, stand and fire, stand still
const int WALK_FRAMES = 600;
const int FIRING_FRAMES = 750;
const float FAR_FROM_PLAYER = 900.0f;  // stragglers are called back at 750, plus pushes
const float NO_AIM_SCALE = 0.1f;       // below this zoom the pointer circles instead
const int AIM_RADIUS = 150;            // display pixels around the view's centre
const double AIM_TURN = 0.1;           // radians per frame
const double BYTES_PER_MB = 1024.0 * 1024.0;

const int WAVES_MENU_ROW = 4;  // "Waves", below the four rows of "Single Player" to "Credits"

const int LEG_KEYS[4] = {SDLK_d, SDLK_s, SDLK_a, SDLK_w};

// What the run has done so far.
struct SoakRun {
    int frame = 0;
    int games = 0, kills = 0, most_zombies = 0, save_checks = 0;
    int game_frames = 0;  // of the current game
    int game_walls = 0;   // wall rectangles the current game started with
    int game_kills = 0;   // the current game's kill count after the last frame
    long baseline_rss = 0;
};

static int soak_mode = MODE_CLASSIC;

// The input as the soak holds it; only changes become SDL events.
static bool key_held[KEY_STATE_SIZE];
static bool button_held = false;

static void push_event(Uint8 type, int code)
{
    SDL_Event event = {};
    event.type = type;
    if (type == SDL_KEYDOWN || type == SDL_KEYUP)
        event.key.keysym.sym = (SDLKey)code;
    else
        event.button.button = (Uint8)code;
    SDL_PushEvent(&event);
}

static void hold_key(int symbol, bool down)
{
    if (key_held[symbol] != down)
        push_event(down ? SDL_KEYDOWN : SDL_KEYUP, symbol);
    key_held[symbol] = down;
}

static void hold_button(bool down)
{
    if (button_held != down)
        push_event(down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
    button_held = down;
}

static void point_at(int x, int y)
{
    x = x < 0 ? 0 : (x >= CANVAS_W ? CANVAS_W - 1 : x);
    y = y < 0 ? 0 : (y >= CANVAS_H ? CANVAS_H - 1 : y);
    SDL_WarpMouse((Uint16)x, (Uint16)y);
}

// Press in one frame, release in the next: the screen sees the click in the
// frame of the press.
static void click_at(int x, int y)
{
    point_at(x, y);
    hold_button(!button_held);
}

static int menu_row_y(int row)
{
    return MENU_LINE_HEIGHT * (MENU_FIRST_LINE + row) + MENU_ROW_HEIGHT / 2;
}

// The pointer on the zombie nearest the player, undoing the view's zoom; the
// pointer circles when there is none or the view is zoomed too far in.
static void aim(int game_frame)
{
    int nearest = -1;
    float best = 0.0f;
    for (int i = 0; i < zombie_count; i++) {
        float d = person_distance(zombies[i]->x, zombies[i]->y, player_x[0], player_y[0]);
        if (nearest < 0 || d < best) {
            nearest = i;
            best = d;
        }
    }
    if (nearest < 0 || view_scale < NO_AIM_SCALE) {
        point_at(CANVAS_W / 2 + (int)(AIM_RADIUS * std::cos(game_frame * AIM_TURN)),
                 CANVAS_H / 2 + (int)(AIM_RADIUS * std::sin(game_frame * AIM_TURN)));
        return;
    }
    float x = (zombies[nearest]->x - camera_x - CANVAS_W / 2) / view_scale + CANVAS_W / 2;
    float y = (zombies[nearest]->y - camera_y - CANVAS_H / 2) / view_scale + CANVAS_H / 2;
    point_at((int)x, (int)y);
}

// A square walked leg by leg, sprinting every fourth leg, firing at the
// nearest zombie; then standing and firing; then standing still until hurt.
static void play(int game_frame)
{
    int in_cycle = game_frame % PLAY_CYCLE_FRAMES;
    int leg = in_cycle / WALK_LEG_FRAMES % 4;
    bool walking = in_cycle < WALK_FRAMES;
    for (int k = 0; k < 4; k++)
        hold_key(LEG_KEYS[k], walking && leg == k);
    hold_key(SDLK_LSHIFT, walking && leg == 0);
    hold_button(in_cycle < FIRING_FRAMES);
    aim(game_frame);
}

// One frame of the player's input, by the screen the frame will run.
static void feed_input(const SoakRun &run)
{
    switch (screen_number) {
    case SCREEN_GAME: play(run.game_frames); break;
    case SCREEN_GAME_MENU:  // a shot fired with the pointer over "Pause"
        click_at(GAME_MENU_BUTTON_X + GAME_MENU_BUTTON_W / 2, RESUME_Y + GAME_MENU_BUTTON_H / 2);
        break;
    case SCREEN_GAME_OVER:
        click_at(MAIN_MENU_BUTTON_X + MAIN_MENU_BUTTON_W / 2,
                 MAIN_MENU_BUTTON_Y + MAIN_MENU_BUTTON_H / 2);
        break;
    default:  // the mode's row on the main menu, then the only map on the list
        click_at(MENU_TEXT_X,
                 menu_row_y(screen_number == SCREEN_MAIN_MENU && soak_mode == MODE_WAVES
                                ? WAVES_MENU_ROW
                                : 0));
        break;
    }
}

static bool within(float value, float low, float high)
{
    return std::isfinite(value) && value >= low && value <= high;
}

// What Waves adds: a wave under way or announced, its count kept, the
// zoom held at 2 times, the camera free to show the world's edge.
static std::string broken_waves_rule()
{
    if (wave_number < 1 || wave_spawned < 0 || wave_spawned > wave_size(wave_number) ||
        !within(breather_left, 0, BREATHER_FRAMES) || !within(spawn_clock, -1, WAVE_FIRST_INTERVAL))
        return "wave " + std::to_string(wave_number);
    if (view_scale != std::max(player_health[0] / GAUGE_MAX, WAVES_MIN_VIEW_SCALE))
        return "gauges";
    CameraLimits limits = held_camera_limits(WAVES_MIN_VIEW_SCALE);
    if (!within(camera_x, limits.low_x, limits.high_x) ||
        !within(camera_y, limits.low_y, limits.high_y))
        return "camera";
    return within(fire_clock[0], -1, SHOT_INTERVAL_FRAMES) ? "" : "fire clock";
}

// The first broken rule of a game in progress, or "".
static std::string broken_game_rule(const SoakRun &run)
{
    if (!within(player_health[0], 0, GAUGE_MAX) || !within(player_energy[0], 0, GAUGE_MAX))
        return "gauges";
    if (soak_mode == MODE_WAVES) {
        std::string rule = broken_waves_rule();
        if (!rule.empty())
            return rule;
    } else if (view_scale != player_health[0] / GAUGE_MAX || !within(camera_x, 0, CAMERA_MAX_X) ||
               !within(camera_y, 0, CAMERA_MAX_Y) || (unsigned)fire_cooldown[0] > 1) {
        return "zoom, camera or cooldown";
    }
    if (!(pending_damage >= 0.0f))
        return "damage";
    if (hurt_flash < 0 || hurt_flash > HURT_FLASH_MAX)
        return "flash";
    if (!within(player_x[0], 0, WORLD_PIXELS) || !within(player_y[0], 0, WORLD_PIXELS) ||
        !std::isfinite(player_angle[0]))
        return "player position";
    if (zombie_count < 0 || zombie_count > ZOMBIE_SPAWN_LIMIT || zombies[zombie_count] != nullptr)
        return "zombie count";
    std::set<const Zombie *> distinct(zombies, zombies + zombie_count);
    if (distinct.size() != (size_t)zombie_count || distinct.count(nullptr))
        return "zombie list";
    for (int i = 0; i < zombie_count; i++) {
        const Zombie &z = *zombies[i];
        if (!std::isfinite(z.angle) || !within(z.health, 1e-3f, 100) || z.target_player != 0 ||
            !(person_distance(z.x, z.y, player_x[0], player_y[0]) <= FAR_FROM_PLAYER))
            return "zombie " + std::to_string(i);
    }
    if (wall_rect_count != run.game_walls)
        return "wall count " + std::to_string(wall_rect_count) + ", was " +
               std::to_string(run.game_walls);
    return kill_count < run.game_kills ? "kill count fell" : "";
}

// The rules after a frame that ran `screen_before`; a new game or a kill is counted.
static std::string check_frame(int screen_before, SoakRun &run)
{
    if (screen_before == SCREEN_START_GAME && screen_number == SCREEN_GAME) {
        run.games++;
        run.game_frames = run.game_kills = 0;
        run.game_walls = wall_rect_count;
        return wall_rect_count > 0 ? "" : "a game without walls";
    }
    if (screen_before != SCREEN_GAME)
        return "";
    run.game_frames++;
    if (screen_number == SCREEN_GAME_OVER)
        return zombie_count == 0 && wall_rect_count == 0 && player_health[0] == 0.0f
                   ? ""
                   : "the end of a game";
    std::string rule = broken_game_rule(run);
    run.kills += kill_count - run.game_kills;
    run.game_kills = kill_count;
    run.most_zombies = zombie_count > run.most_zombies ? zombie_count : run.most_zombies;
    return rule;
}

// The running game goes through the save text and back: it must be accepted
// and save again to the same text.
static std::string check_save_round_trip(SoakRun &run)
{
    std::string text = saved_game_text();
    if (!load_game_from_text(text))
        return "the save of the running game was refused";
    run.save_checks++;
    if (saved_game_text() != text)
        return "the loaded game saves differently";
    return wall_rect_count == run.game_walls ? "" : "the load changed the walls";
}

static long resident_bytes()
{
    long pages = 0, resident = 0;
    FILE *statm = fopen("/proc/self/statm", "r");
    if (!statm)
        return 0;
    if (fscanf(statm, "%ld %ld", &pages, &resident) != 2)
        resident = 0;
    fclose(statm);
    return resident * sysconf(_SC_PAGESIZE);
}

// A fresh game folder in /tmp: the built artwork, the one map, a 32-bit
// window at 1:1. Returns the folder, or "" when it could not be made.
static std::string make_game_folder(const char *map)
{
    char pattern[] = "/tmp/rotwalk_soak_XXXXXX";
    if (!mkdtemp(pattern) || chdir(pattern) != 0)
        return "";
    std::error_code error;
    fs::create_symlink(SOAK_MEDIA_DIR, "Media", error);
    fs::create_directory("Maps", error);
    fs::copy_file(std::string(SOAK_MAPS_DIR) + "/" + map, std::string("Maps/") + map, error);
    if (error)
        return "";
    FILE *settings = fopen(SETTINGS_FILE, "w");
    if (!settings)
        return "";
    fputs("screenbpp = 32\nscale = 1\nfullscreen = 0\n", settings);
    fclose(settings);
    return pattern;
}

static void report(const char *map, const SoakRun &run, long end_rss, double seconds)
{
    printf("soak: %s, %d frames in %.1f s (%.0f frames per second)\n", map, run.frame, seconds,
           run.frame / seconds);
    printf("  games %d, kills %d, most zombies %d, save round trips %d\n", run.games, run.kills,
           run.most_zombies, run.save_checks);
    printf("  resident memory at frame %d: %.2f MB, at the end: %.2f MB (%+.3f MB)\n",
           MEMORY_BASELINE_FRAME, run.baseline_rss / BYTES_PER_MB, end_rss / BYTES_PER_MB,
           (end_rss - run.baseline_rss) / BYTES_PER_MB);
}

int main(int argc, char *argv[])
{
    const char *map = argc > 1 ? argv[1] : DEFAULT_MAP;
    int frames = argc > 2 ? atoi(argv[2]) : DEFAULT_FRAMES;
    if (argc > 3)
        soak_mode = strcmp(argv[3], "waves") == 0 ? MODE_WAVES : MODE_CLASSIC;
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    std::string folder = make_game_folder(map);
    if (folder.empty()) {
        fprintf(stderr, "soak: cannot make a game folder with %s/%s\n", SOAK_MAPS_DIR, map);
        return 1;
    }
    start_up();
    seed_random(SOAK_SEED);
    scripted_frame_ms = SOAK_FRAME_MS;
    SoakRun run;
    std::string rule;
    auto start = std::chrono::steady_clock::now();
    int next_save_check = SAVE_CHECK_FRAMES;
    for (; run.frame < frames && rule.empty() && !quit_requested; run.frame++) {
        feed_input(run);
        int screen_before = screen_number;
        run_frame();
        rule = check_frame(screen_before, run);
        if (rule.empty() && run.frame >= next_save_check && screen_number == SCREEN_GAME) {
            rule = check_save_round_trip(run);
            next_save_check += SAVE_CHECK_FRAMES;
        }
        if (run.frame == MEMORY_BASELINE_FRAME)
            run.baseline_rss = resident_bytes();
    }
    double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    long end_rss = resident_bytes();
    shut_down();
    std::error_code error;
    fs::remove_all(folder, error);
    report(map, run, end_rss, seconds);
    if (!rule.empty()) {
        printf("soak: FAILED after frame %d: %s\n", run.frame - 1, rule.c_str());
        return 1;
    }
    if (run.baseline_rss && end_rss - run.baseline_rss > MAX_MEMORY_GROWTH) {
        printf("soak: FAILED: resident memory grew by more than %.0f MB\n",
               MAX_MEMORY_GROWTH / BYTES_PER_MB);
        return 1;
    }
    printf("soak: passed%s\n", run.baseline_rss ? "" : " (too short to check the memory)");
    return 0;
}
