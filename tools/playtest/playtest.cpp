// playtest.cpp -- whole games headless through the game's own update, played by bots, summed up per map
//
// Usage: playtest [seeds] [--mode classic|waves] [map ...]
// (default 20 seeds, both modes, Field.map and Farm.map)
// Prints one line per mode, map, bot and frame rate: the median and range of
// the time survived, the wave reached and the kills over the seeds.
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/frame_clock.h"
#include "app/random.h"
#include "bots.h"
#include "game/camera.h"
#include "game/game_clock.h"
#include "game/gauges.h"
#include "game/players.h"
#include "game/shots.h"
#include "game/view.h"
#include "game/waves.h"
#include "game/world.h"
#include "game/zombies.h"
#include "main_loop.h"
#include "maps/map_file.h"
#include "maps/map_prepare.h"

const int DEFAULT_SEEDS = 20;
const int MAX_GAME_MS = 20 * 60 * 1000;  // a game still going after 20 minutes is stopped there
const int FRAME_RATES[] = {30, 60};
const char *const DEFAULT_MAPS[] = {"Field.map", "Farm.map"};
const char *const MODE_LABELS[MODE_COUNT] = {"Classic", "Waves"};

struct GameResult {
    int ms, wave, kills;
};

static bool load_grid(const std::string &map)
{
    std::ifstream file(std::string(PLAYTEST_MAPS_DIR) + "/" + map);
    if (!file)
        return false;
    std::stringstream text;
    text << file.rdbuf();
    read_map_rows(text, map_tiles);
    return true;
}

// The moving part of the game screen's frame, in its order, without drawing.
static void game_update(float speed_factor)
{
    set_frame_scale(speed_factor);
    count_game_time(frame_ms);
    update_horde_sounds(frame_ms);
    update_players(speed_factor);
    update_zombies(speed_factor);
    update_energy();
    update_health();
    update_camera();
    fire_weapons();
    set_game_view_scale();
}

static GameResult play_game(int mode, int bot, int fps, unsigned seed)
{
    player_count = 1;
    game_mode = mode;
    reset_world_for_new_game("playtest");
    prepare_map();
    seed_random(seed);
    frame_ms = (1000 + fps / 2) / fps;
    frames_per_second = (float)(1000.0 / frame_ms);
    float speed_factor = compute_speed_factor(frames_per_second);
    while (player_health[0] > 0.0f && game_time_ms < MAX_GAME_MS) {
        play_bot(bot);
        game_update(speed_factor);
    }
    GameResult result = {game_time_ms, mode == MODE_WAVES ? wave_number : 0, kill_count};
    end_game();
    return result;
}

static std::string range_text(std::vector<int> values, double unit, const char *format)
{
    std::sort(values.begin(), values.end());
    char text[96];
    snprintf(text, sizeof text, format, values[values.size() / 2] / unit, values.front() / unit,
             values.back() / unit);
    return text;
}

static void report(int mode, const char *map, int bot, int fps, int seeds)
{
    std::vector<int> times, waves, kills;
    for (int s = 0; s < seeds; s++) {
        GameResult r = play_game(mode, bot, fps, 1000u + (unsigned)s);
        times.push_back(r.ms);
        waves.push_back(r.wave);
        kills.push_back(r.kills);
    }
    printf("%-7s %-14s %-6s %3d fps  time %s  wave %s  kills %s\n", MODE_LABELS[mode], map,
           BOT_NAMES[bot], fps, range_text(times, 1000.0, "%6.1f s (%.1f-%.1f)").c_str(),
           range_text(waves, 1.0, "%3.0f (%.0f-%.0f)").c_str(),
           range_text(kills, 1.0, "%5.0f (%.0f-%.0f)").c_str());
    fflush(stdout);
}

int main(int argc, char *argv[])
{
    int seeds = argc > 1 ? atoi(argv[1]) : DEFAULT_SEEDS;
    if (seeds < 1)
        seeds = DEFAULT_SEEDS;
    int first_map = 2, only_mode = -1;
    if (argc > 3 && strcmp(argv[2], "--mode") == 0) {
        only_mode = strcmp(argv[3], "waves") == 0 ? MODE_WAVES : MODE_CLASSIC;
        first_map = 4;
    }
    std::vector<std::string> maps(DEFAULT_MAPS, DEFAULT_MAPS + 2);
    if (argc > first_map)
        maps.assign(argv + first_map, argv + argc);
    printf("%d seeds per line; time survived in seconds: median (least-most)\n", seeds);
    for (int mode = 0; mode < MODE_COUNT; mode++)
        for (const std::string &map : maps) {
            if (only_mode >= 0 && mode != only_mode)
                continue;
            if (!load_grid(map)) {
                fprintf(stderr, "playtest: cannot read %s in %s\n", map.c_str(), PLAYTEST_MAPS_DIR);
                return 1;
            }
            for (int bot = 0; bot < BOT_COUNT; bot++)
                for (int fps : FRAME_RATES)
                    report(mode, map.c_str(), bot, fps, seeds);
        }
    return 0;
}
