// world_rules.cpp -- the world as text and the rules every loaded or played world keeps
#include <climits>
#include <cmath>
#include <set>
#include <sstream>

#include "app/backdrop.h"
#include "fuzz/fuzz_targets.h"
#include "game/camera.h"
#include "game/game_clock.h"
#include "game/waves.h"
#include "game/world.h"
#include "maps/map_file.h"
#include "maps/map_prepare.h"
#include "ui/overlay.h"
#include "ui/screens.h"

const float ANGLE_LIMIT = 4.0f;      // atan2 gives -pi to pi; a little more is harmless
const float DAMAGE_LIMIT = 1000.0f;  // far more than one frame's contacts and overspent energy
// Far outside the 5000-pixel world, yet every conversion to int stays defined.
const float POSITION_LOW = -(float)MAP_SIZE * TILE_SIZE,
            POSITION_HIGH = 2.0f * MAP_SIZE * TILE_SIZE;

std::string world_dump(bool with_records)
{
    std::ostringstream out;
    out << std::hexfloat << player_count << ' ' << zombie_count << ' ' << wall_rect_count << ' '
        << kill_count << ' ' << pending_damage << ' ' << hurt_flash << ' ' << aim_x << ' ' << aim_y
        << ' ' << camera_x << ' ' << camera_y << ' ' << view_scale << ' ' << screen_number << ' '
        << overlay_level << ' ' << overlay_open << '\n';
    for (int i = 0; i < MAX_PLAYERS; i++)
        out << player_x[i] << ' ' << player_y[i] << ' ' << player_angle[i] << ' '
            << player_health[i] << ' ' << player_energy[i] << ' ' << fire_cooldown[i] << '\n';
    for (int i = 0; i < zombie_count; i++)
        out << (with_records ? zombies[i] : nullptr) << ' ' << zombies[i]->x << ' ' << zombies[i]->y
            << ' ' << zombies[i]->angle << ' ' << zombies[i]->health << ' '
            << zombies[i]->target_player << '\n';
    for (int i = 0; i < wall_rect_count; i++)
        out << (with_records ? wall_rects[i] : nullptr) << ' ' << wall_rects[i]->x << ' '
            << wall_rects[i]->y << ' ' << wall_rects[i]->w << ' ' << wall_rects[i]->h << '\n';
    out.write((const char *)map_tiles, sizeof map_tiles);
    return out.str();
}

const int WALL_EVERY_X = 9, WALL_EVERY_Y = 7, WALL_KIND_COUNT = TILE_KIND_COUNT - FIRST_WALL_KIND;

void set_up_game_in_progress()
{
    clear_zombies();
    clear_wall_rects();
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++)
            map_tiles[x][y] = x % WALL_EVERY_X || y % WALL_EVERY_Y
                                  ? (x + y) % FIRST_WALL_KIND
                                  : FIRST_WALL_KIND + (x + y) % WALL_KIND_COUNT;
    prepare_map();
    player_count = 1;
    for (int i = 0; i < 3; i++) {
        Zombie *zombie = zombies[spawn_zombie(100.0f * i, 50.0f + i) - 1];
        zombie->angle = 0.5f * i;
        zombie->health = 40.0f + i;
        zombie->target_player = i;
    }
    for (int i = 0; i < MAX_PLAYERS; i++) {
        player_x[i] = 1000.5f + i;
        player_y[i] = 2000.25f - i;
        player_angle[i] = 0.1f * i;
        player_health[i] = 90.0f - i;
        player_energy[i] = 30.0f + i;
        fire_cooldown[i] = i % 2;
    }
    player_count = 3;
    kill_count = 17;
    pending_damage = 2.5f;
    hurt_flash = 40;
    view_scale = 0.9f;
    aim_x = 1234.0f;
    aim_y = 2345.0f;
    camera_x = 700.0f;
    camera_y = 1800.0f;
    screen_number = SCREEN_GAME_MENU;
}

bool within(float value, float low, float high)
{
    return std::isfinite(value) && value >= low && value <= high;
}
static bool position_within(float x, float y)
{
    return within(x, POSITION_LOW, POSITION_HIGH) && within(y, POSITION_LOW, POSITION_HIGH);
}

bool world_within_rules()
{
    CameraLimits camera = {0.0f, CAMERA_MAX_X, 0.0f, CAMERA_MAX_Y};
    if (view_holds_players())
        camera = held_camera_limits(WAVES_MIN_VIEW_SCALE);
    bool kept = player_count >= 1 && player_count <= MAX_PLAYERS && zombie_count >= 0 &&
                zombie_count <= MAX_ZOMBIES && within(camera_x, camera.low_x, camera.high_x) &&
                within(camera_y, camera.low_y, camera.high_y) && position_within(aim_x, aim_y) &&
                within(view_scale, 0, 1) && within(pending_damage, 0, DAMAGE_LIMIT) &&
                hurt_flash >= 0 && hurt_flash <= HURT_FLASH_MAX && kill_count >= 0 &&
                kill_count < INT_MAX;
    for (int i = 0; kept && i < player_count; i++)
        kept = position_within(player_x[i], player_y[i]) &&
               within(player_angle[i], -ANGLE_LIMIT, ANGLE_LIMIT) &&
               within(player_health[i], 0, GAUGE_MAX) && within(player_energy[i], 0, GAUGE_MAX) &&
               (fire_cooldown[i] == 0 || fire_cooldown[i] == 1);
    if (kept && game_mode == MODE_WAVES)
        kept = wave_number >= 1 && wave_spawned >= 0 && wave_spawned <= wave_size(wave_number) &&
               within(spawn_clock, 0, WAVE_FIRST_INTERVAL) &&
               within(breather_left, 0, BREATHER_FRAMES) && within(hurt_flash_carry, 0, 1) &&
               game_time_ms >= 0;
    std::set<const Zombie *> records(zombies, zombies + (kept ? zombie_count : 0));
    kept = kept && records.size() == (size_t)zombie_count && !records.count(nullptr);
    for (int i = 0; kept && i < zombie_count; i++) {
        const Zombie &zombie = *zombies[i];
        kept = position_within(zombie.x, zombie.y) &&
               within(zombie.angle, -ANGLE_LIMIT, ANGLE_LIMIT) && zombie.health > 0.0f &&
               zombie.health <= GAUGE_MAX && zombie.target_player >= 0 &&
               zombie.target_player < MAX_PLAYERS;
    }
    return kept;
}

// A value as the save writes it again: a word the loader read whole, as an
// integer or a float, in the save's notation.
