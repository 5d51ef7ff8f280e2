// waves.cpp -- the Waves mode: waves that grow, breathers between them, zombies spawned in the open
#include "game/waves.h"

#include <cmath>

#include "game/zombies.h"

int wave_number = 1;
int wave_spawned = 0;
float spawn_clock = 0.0f;
float breather_left = 0.0f;
float fire_clock[MAX_PLAYERS];
float hurt_flash_carry = 0.0f;

void reset_waves()
{
    wave_number = 1;
    wave_spawned = 0;
    spawn_clock = 0.0f;
    breather_left = FIRST_BREATHER_FRAMES;
    for (float &clock : fire_clock)
        clock = 0.0f;
    hurt_flash_carry = 0.0f;
}

int wave_size(int wave)
{
    int past = wave - 1;
    return WAVE_BASE_SIZE + WAVE_SIZE_STEP * past + past * past / WAVE_SIZE_CURVE;
}

int wave_zombies_left()
{
    int unspawned = wave_size(wave_number) - wave_spawned;
    return (unspawned > 0 ? unspawned : 0) + zombie_count;
}

float wave_speed(int wave)
{
    double speed = 1.0 + WAVE_SPEED_STEP * (wave - 1);
    return (float)(speed < WAVE_SPEED_MAX ? speed : WAVE_SPEED_MAX);
}

static float spawn_interval(int wave)
{
    float interval = WAVE_FIRST_INTERVAL - WAVE_INTERVAL_STEP * (float)(wave - 1);
    return interval > WAVE_MIN_INTERVAL ? interval : WAVE_MIN_INTERVAL;
}

bool spot_is_open(float x, float y)
{
    if (!(x >= PERSON_RADIUS && x <= WORLD_PIXELS - PERSON_RADIUS && y >= PERSON_RADIUS &&
          y <= WORLD_PIXELS - PERSON_RADIUS))
        return false;
    for (int i = 0; i < wall_rect_count; i++) {
        const WallRect &w = *wall_rects[i];
        if (x > w.x - PERSON_RADIUS && x < w.x + w.w + PERSON_RADIUS && y > w.y - PERSON_RADIUS &&
            y < w.y + w.h + PERSON_RADIUS)
            return false;
    }
    return true;
}

// Steps alternately either way along the ring, so the point found is the
// nearest open one; a ring with no open point keeps the first.
void open_ring_point(float &x, float &y)
{
    ring_point(x, y);
    if (spot_is_open(x, y))
        return;
    double start = std::atan2((double)(y - player_y[0]), (double)(x - player_x[0]));
    int steps = (int)(2 * M_PI / RING_STEP);
    for (int k = 1; k <= steps; k++) {
        double turn = RING_STEP * ((k + 1) / 2) * (k % 2 ? 1 : -1);
        float tx = (float)(player_x[0] + SPAWN_RING_RADIUS * std::cos(start + turn));
        float ty = (float)(player_y[0] + SPAWN_RING_RADIUS * std::sin(start + turn));
        if (spot_is_open(tx, ty)) {
            x = tx;
            y = ty;
            return;
        }
    }
}

static void end_wave_when_cleared()
{
    if (wave_spawned < wave_size(wave_number) || zombie_count > 0)
        return;
    wave_number++;
    wave_spawned = 0;
    spawn_clock = 0.0f;
    breather_left = BREATHER_FRAMES;
}

// While 250 are alive the wave waits; its clock does not bank spawns meanwhile.
void spawn_wave_zombies()
{
    if (breather_left > 0.0f) {
        breather_left -= frame_scale;
        if (breather_left < 0.0f)
            breather_left = 0.0f;
        return;
    }
    spawn_clock -= frame_scale;
    while (spawn_clock <= 0.0f && wave_spawned < wave_size(wave_number) &&
           zombie_count < ZOMBIE_SPAWN_LIMIT) {
        float x, y;
        open_ring_point(x, y);
        spawn_zombie(x, y);
        wave_spawned++;
        spawn_clock += spawn_interval(wave_number);
    }
    if (spawn_clock < 0.0f)
        spawn_clock = 0.0f;
    end_wave_when_cleared();
}
