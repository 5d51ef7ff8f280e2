// world_hash.cpp -- one number for the state of a game, to tell two runs of it apart
#include "game/world_hash.h"

#include "app/random.h"
#include "game/controls.h"
#include "game/game_clock.h"
#include "game/waves.h"
#include "game/world.h"

const uint64_t HASH_OFFSET = 14695981039346656037ull, HASH_PRIME = 1099511628211ull;

static void hash_bytes(uint64_t &hash, const void *data, size_t size)
{
    for (size_t i = 0; i < size; i++)
        hash = (hash ^ ((const unsigned char *)data)[i]) * HASH_PRIME;
}

template <typename T> static void hash_value(uint64_t &hash, const T &value)
{
    hash_bytes(hash, &value, sizeof value);
}

uint64_t world_hash()
{
    uint64_t hash = HASH_OFFSET;
    hash_value(hash, player_x);
    hash_value(hash, player_y);
    hash_value(hash, player_angle);
    hash_value(hash, player_health);
    hash_value(hash, player_energy);
    hash_value(hash, fire_cooldown);
    hash_value(hash, player_device);
    hash_value(hash, stick_aim_angle);
    hash_value(hash, player_count);
    hash_value(hash, game_mode);
    for (int i = 0; i < zombie_count; i++)
        hash_value(hash, *zombies[i]);
    hash_value(hash, zombie_count);
    hash_value(hash, kill_count);
    hash_value(hash, pending_damage);
    hash_value(hash, hurt_flash);
    hash_value(hash, aim_x);
    hash_value(hash, aim_y);
    hash_value(hash, camera_x);
    hash_value(hash, camera_y);
    hash_value(hash, view_scale);
    hash_value(hash, wave_number);
    hash_value(hash, wave_spawned);
    hash_value(hash, spawn_clock);
    hash_value(hash, breather_left);
    hash_value(hash, fire_clock);
    hash_value(hash, hurt_flash_carry);
    hash_value(hash, game_time_ms);
    int64_t draws = random_draws;  // one width on every system
    hash_value(hash, draws);
    return hash;
}
