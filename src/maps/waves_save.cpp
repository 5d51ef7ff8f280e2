// waves_save.cpp -- the block a Waves game adds after the save's design blocks: its wave and its clocks
#include "maps/waves_save.h"

#include <istream>
#include <ostream>
#include <string>

#include "game/game_clock.h"
#include "game/waves.h"
#include "maps/save_game.h"

// One value per line, as the design's blocks: the tag, the wave, its
// spawns so far, the spawn clock, the breather, the time played, the flash's
// carried part and each player's fire clock.
void write_waves_block(std::ostream &out)
{
    out << WAVES_BLOCK_TAG << '\n'
        << wave_number << '\n'
        << wave_spawned << '\n'
        << spawn_clock << '\n'
        << breather_left << '\n'
        << game_time_ms << '\n'
        << hurt_flash_carry << '\n';
    for (int i = 0; i < player_count; i++)
        out << fire_clock[i] << '\n';
}

bool read_waves_block(std::istream &in, int players, SavedWaves &saved)
{
    std::string tag;
    saved.tagged = (bool)(in >> tag);
    if (!saved.tagged || tag != WAVES_BLOCK_TAG)
        return false;
    if (!read_saved_int(in, saved.wave) || !read_saved_int(in, saved.spawned) ||
        !read_saved_float(in, saved.spawn_clock) || !read_saved_float(in, saved.breather_left) ||
        !read_saved_int(in, saved.time_ms) || !read_saved_float(in, saved.flash_carry))
        return false;
    for (int i = 0; i < players; i++)
        if (!read_saved_float(in, saved.fire_clock[i]))
            return false;
    return true;
}

// Only what a Waves game can hold: a wave's spawns within its size, clocks
// within their longest waits.
bool waves_block_in_range(const SavedWaves &saved, int players)
{
    if (saved.wave < 1 || saved.wave > SAVED_WAVE_MAX || saved.spawned < 0 ||
        saved.spawned > wave_size(saved.wave) || saved.time_ms < 0 ||
        saved.time_ms > MAX_GAME_TIME_MS ||
        !saved_in_range(saved.spawn_clock, 0.0f, WAVE_FIRST_INTERVAL) ||
        !saved_in_range(saved.breather_left, 0.0f, BREATHER_FRAMES) ||
        !saved_in_range(saved.flash_carry, 0.0f, 1.0f))
        return false;
    for (int i = 0; i < players; i++)
        if (!saved_in_range(saved.fire_clock[i], 0.0f, SHOT_INTERVAL_FRAMES))
            return false;
    return true;
}

void apply_waves_block(const SavedWaves &saved, int players)
{
    wave_number = saved.wave;
    wave_spawned = saved.spawned;
    spawn_clock = saved.spawn_clock;
    breather_left = saved.breather_left;
    game_time_ms = saved.time_ms;
    hurt_flash_carry = saved.flash_carry;
    for (int i = 0; i < players; i++)
        fire_clock[i] = saved.fire_clock[i];
}
