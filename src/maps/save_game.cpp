// save_game.cpp -- the save file: the grid, the zombies, the players and the shared values, one per line
#include "maps/save_game.h"

#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <locale>
#include <sstream>
#include <string>
#include <vector>

#include "app/folders.h"
#include "app/safe_write.h"
#include "game/camera.h"
#include "game/waves.h"
#include "game/world.h"
#include "maps/map_file.h"
#include "maps/map_prepare.h"
#include "maps/waves_save.h"

const float VIEW_SCALE_MAX = 1.0f;  // health / 100 at full health
const float ZOMBIE_FULL_HEALTH = 100.0f;
// Zombies stray at most 750 from player 0 before they are called back, and
// the players and the aim stay within the world: 1000 is a wide margin.
const float SAVED_POSITION_MIN = -1000.0f;
const float SAVED_POSITION_MAX = 6000.0f;
const float SAVED_ANGLE_MAX = 4.0f;           // atan2 gives -pi to pi
const float SAVED_DAMAGE_MAX = 1000.0f;       // one frame's contacts and overspent energy
const int SAVED_KILL_COUNT_MAX = 1000000000;  // years of play, far from overflowing

// Everything a save file holds, read and checked before any of it is used.
struct SavedGame {
    int tiles[MAP_SIZE][MAP_SIZE];
    std::vector<Zombie> zombies;
    int player_count;
    float x[MAX_PLAYERS], y[MAX_PLAYERS], angle[MAX_PLAYERS];
    float health[MAX_PLAYERS], energy[MAX_PLAYERS];
    int cooldown[MAX_PLAYERS];
    float aim_x, aim_y, camera_x, camera_y, view_scale, pending_damage;
    int hurt_flash, kill_count;
    bool waves;  // the Waves block followed
    SavedWaves wave_state;
};

// Floats go out in the stream's default notation: 6 significant digits, the
// shorter of fixed and exponent form.
static void write_zombies(std::ostream &out)
{
    out << zombie_count << '\n';
    for (int i = 0; i < zombie_count; i++) {
        const Zombie *zombie = zombies[i];
        out << zombie->x << '\n'
            << zombie->y << '\n'
            << zombie->angle << '\n'
            << zombie->health << '\n'
            << zombie->target_player << '\n';
    }
}

static void write_players(std::ostream &out)
{
    out << player_count << '\n';
    for (int i = 0; i < player_count; i++)
        out << player_x[i] << '\n'
            << player_y[i] << '\n'
            << player_angle[i] << '\n'
            << player_health[i] << '\n'
            << player_energy[i] << '\n'
            << fire_cooldown[i] << '\n';
}

static void write_shared_values(std::ostream &out)
{
    out << aim_x << '\n'
        << aim_y << '\n'
        << camera_x << '\n'
        << camera_y << '\n'
        << view_scale << '\n'
        << pending_damage << '\n'
        << hurt_flash << '\n'
        << kill_count << '\n';
}

std::string saved_game_text()
{
    std::ostringstream text;
    text.imbue(std::locale::classic());
    write_map_rows(text, map_tiles);
    write_zombies(text);
    write_players(text);
    write_shared_values(text);
    if (game_mode == MODE_WAVES)
        write_waves_block(text);
    return text.str();
}

// The folder is made if it is missing, since a save that silently goes
// nowhere would lose the game.
int save_game()
{
    make_folder(SAVE_FOLDER);
    return replace_file(SAVE_FILE, saved_game_text());
}

// A value is one whole word: "12abc" or "1.5" where an integer belongs is
// damage, not an integer followed by more data.
bool read_saved_int(std::istream &in, int &value)
{
    std::string word;
    if (!(in >> word))
        return false;
    long number = 0;
    if (!parse_whole_number(word.c_str(), INT_MIN, INT_MAX, number))
        return false;
    value = (int)number;
    return true;
}

// Infinities and NaNs are refused: every later step of the game does
// arithmetic on these values.
bool read_saved_float(std::istream &in, float &value)
{
    std::string word;
    if (!(in >> word))
        return false;
    char *end = nullptr;
    float number = strtof(word.c_str(), &end);
    if (end == word.c_str() || *end != '\0' || !std::isfinite(number))
        return false;
    value = number;
    return true;
}

// The count is bounded before anything is stored, so a damaged count cannot
// make the loader allocate without limit.
static bool read_zombies(std::istream &in, SavedGame &saved)
{
    int count = 0;
    if (!read_saved_int(in, count) || count < 0 || count > MAX_ZOMBIES)
        return false;
    saved.zombies.resize((size_t)count);
    for (Zombie &zombie : saved.zombies)
        if (!read_saved_float(in, zombie.x) || !read_saved_float(in, zombie.y) ||
            !read_saved_float(in, zombie.angle) || !read_saved_float(in, zombie.health) ||
            !read_saved_int(in, zombie.target_player))
            return false;
    return true;
}

static bool read_players(std::istream &in, SavedGame &saved)
{
    if (!read_saved_int(in, saved.player_count) || saved.player_count < 1 ||
        saved.player_count > MAX_PLAYERS)
        return false;
    for (int i = 0; i < saved.player_count; i++)
        if (!read_saved_float(in, saved.x[i]) || !read_saved_float(in, saved.y[i]) ||
            !read_saved_float(in, saved.angle[i]) || !read_saved_float(in, saved.health[i]) ||
            !read_saved_float(in, saved.energy[i]) || !read_saved_int(in, saved.cooldown[i]))
            return false;
    return true;
}

static bool read_shared_values(std::istream &in, SavedGame &saved)
{
    return read_saved_float(in, saved.aim_x) && read_saved_float(in, saved.aim_y) &&
           read_saved_float(in, saved.camera_x) && read_saved_float(in, saved.camera_y) &&
           read_saved_float(in, saved.view_scale) && read_saved_float(in, saved.pending_damage) &&
           read_saved_int(in, saved.hurt_flash) && read_saved_int(in, saved.kill_count);
}

// A short grid or a character outside the tile kinds refuses the file, and
// so does anything after the last value but a whole Waves block: the
// counts did not match the data.
static bool read_saved_game(std::istream &in, SavedGame &saved)
{
    std::string extra;
    if (!read_map_rows(in, saved.tiles) || !read_zombies(in, saved) || !read_players(in, saved) ||
        !read_shared_values(in, saved))
        return false;
    saved.waves = read_waves_block(in, saved.player_count, saved.wave_state);
    return saved.waves == saved.wave_state.tagged && !(in >> extra);
}

bool saved_in_range(float value, float low, float high)
{
    return value >= low && value <= high;
}

static bool position_in_range(float x, float y)
{
    return saved_in_range(x, SAVED_POSITION_MIN, SAVED_POSITION_MAX) &&
           saved_in_range(y, SAVED_POSITION_MIN, SAVED_POSITION_MAX);
}

// A living zombie has been hit at most four times (health 100 down to 20);
// its target must be one of the four slots, since the zombie step reads
// that slot's position.
static bool zombie_in_range(const Zombie &zombie)
{
    return position_in_range(zombie.x, zombie.y) &&
           saved_in_range(zombie.angle, -SAVED_ANGLE_MAX, SAVED_ANGLE_MAX) &&
           zombie.health > 0.0f && zombie.health <= ZOMBIE_FULL_HEALTH &&
           zombie.target_player >= 0 && zombie.target_player < MAX_PLAYERS;
}

static bool player_in_range(const SavedGame &saved, int i)
{
    return position_in_range(saved.x[i], saved.y[i]) &&
           saved_in_range(saved.angle[i], -SAVED_ANGLE_MAX, SAVED_ANGLE_MAX) &&
           saved_in_range(saved.health[i], 0.0f, GAUGE_MAX) &&
           saved_in_range(saved.energy[i], 0.0f, GAUGE_MAX) &&
           (saved.cooldown[i] == 0 || saved.cooldown[i] == 1);
}

// Only values that the game itself can write, with a margin: anything else
// is damage, and some of it (a kill count about to overflow, a zombie no
// shot can kill) would break the game later.
static bool keeps_world_rules(const SavedGame &saved)
{
    for (const Zombie &zombie : saved.zombies)
        if (!zombie_in_range(zombie))
            return false;
    for (int i = 0; i < saved.player_count; i++)
        if (!player_in_range(saved, i))
            return false;
    if (saved.waves && !waves_block_in_range(saved.wave_state, saved.player_count))
        return false;
    // A held camera (Waves, or several players) may show the world's edge;
    // the widest it goes is at the strongest zoom.
    CameraLimits camera = {0.0f, CAMERA_MAX_X, 0.0f, CAMERA_MAX_Y};
    if (saved.waves || saved.player_count > 1)
        camera = held_camera_limits(WAVES_MIN_VIEW_SCALE);
    return position_in_range(saved.aim_x, saved.aim_y) &&
           saved_in_range(saved.camera_x, camera.low_x, camera.high_x) &&
           saved_in_range(saved.camera_y, camera.low_y, camera.high_y) &&
           saved_in_range(saved.view_scale, 0.0f, VIEW_SCALE_MAX) &&
           saved_in_range(saved.pending_damage, 0.0f, SAVED_DAMAGE_MAX) && saved.hurt_flash >= 0 &&
           saved.hurt_flash <= HURT_FLASH_MAX && saved.kill_count >= 0 &&
           saved.kill_count <= SAVED_KILL_COUNT_MAX;
}

// With player_count at 1 while the zombies are made, spawning draws no
// random number for their targets; the saved targets replace them.
static void apply_zombies(const SavedGame &saved)
{
    for (const Zombie &stored : saved.zombies) {
        Zombie *zombie = zombies[spawn_zombie(0.0f, 0.0f) - 1];
        *zombie = stored;
    }
}

static void apply_players(const SavedGame &saved)
{
    player_count = saved.player_count;
    for (int i = 0; i < saved.player_count; i++) {
        player_x[i] = saved.x[i];
        player_y[i] = saved.y[i];
        player_angle[i] = saved.angle[i];
        player_health[i] = saved.health[i];
        player_energy[i] = saved.energy[i];
        fire_cooldown[i] = saved.cooldown[i];
    }
}

static void apply_shared_values(const SavedGame &saved)
{
    aim_x = saved.aim_x;
    aim_y = saved.aim_y;
    camera_x = saved.camera_x;
    camera_y = saved.camera_y;
    view_scale = saved.view_scale;
    pending_damage = saved.pending_damage;
    hurt_flash = saved.hurt_flash;
    kill_count = saved.kill_count;
}

// Walls and floor are rebuilt from the saved grid; the floor comes back
// without the blood and corpses of the saved game. The world is reset as
// for a new game first, so that nothing of an earlier game can remain.
static void apply_saved_game(const SavedGame &saved)
{
    memcpy(map_tiles, saved.tiles, sizeof map_tiles);
    reset_world_for_new_game("");  // a save holds neither its map nor its time
    prepare_map();
    render_world_surface();
    player_count = 1;
    apply_zombies(saved);
    apply_players(saved);
    apply_shared_values(saved);
    game_mode = saved.waves ? MODE_WAVES : MODE_CLASSIC;
    if (saved.waves)
        apply_waves_block(saved.wave_state, saved.player_count);
}

// A damaged text is refused as a whole: the world, the lists and the random
// stream stay exactly as they were.
bool load_game_from_text(const std::string &text)
{
    std::istringstream in(text);
    in.imbue(std::locale::classic());
    SavedGame saved;
    if (!read_saved_game(in, saved) || !keeps_world_rules(saved))
        return false;
    apply_saved_game(saved);
    return true;
}

LoadResult load_game(int &error)
{
    std::string text;
    error = read_regular_file(SAVE_FILE, text);
    if (error == ENOENT)
        return LOAD_NO_SAVE;
    if (error)
        return LOAD_UNREADABLE;
    return load_game_from_text(text) ? LOAD_DONE : LOAD_DAMAGED;
}
