// fuzz_targets.cpp -- settings, map, save and map-list loaders fed arbitrary bytes, with what must hold after each
#include "fuzz/fuzz_targets.h"

#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <functional>
#include <iterator>
#include <locale>
#include <set>
#include <sstream>
#include <vector>

#include "app/artwork.h"
#include "app/backdrop.h"
#include "app/platform.h"
#include "app/safe_write.h"
#include "app/settings.h"
#include "game/game_clock.h"
#include "game/waves.h"
#include "game/world.h"
#include "main_loop.h"
#include "maps/map_file.h"
#include "maps/map_list.h"
#include "maps/map_prepare.h"
#include "maps/replay_file.h"
#include "maps/save_game.h"

static void abort_on_failure(const char *check, const char *file, int line)
{
    fprintf(stderr, "%s:%d: check failed: %s\n", file, line, check);
    abort();
}

void (*fuzz_check_failed)(const char *check, const char *file, int line) = abort_on_failure;

// settings.ini

const size_t SETTINGS_LONGEST_LINE = 255;

// The lines the game must keep, worked out from the bytes on their own: a
// line feed ends a line and a carriage return just before it is dropped; a
// line too long to hold keeps its head and ends the reading; blanks go, and
// a zero byte ends the text of its line.
static std::vector<std::string> expected_settings_lines(const std::string &input)
{
    std::vector<std::string> lines;
    std::istringstream text(input);
    for (std::string line; lines.size() < (size_t)SETTINGS_MAX_LINES && getline(text, line);) {
        if (!text.eof() && !line.empty() && line.back() == '\r')  // not eof: a line feed ended it
            line.pop_back();
        bool too_long = line.size() > SETTINGS_LONGEST_LINE;
        line = line.substr(0, std::min(line.find('\0'), SETTINGS_LONGEST_LINE));
        line.erase(std::remove(line.begin(), line.end(), ' '), line.end());
        lines.push_back(line);
        if (too_long)
            break;
    }
    lines.resize(SETTINGS_MAX_LINES);
    return lines;
}

static void fuzz_settings(const std::string &input)
{
    std::ofstream(SETTINGS_FILE, std::ios::binary) << input;
    load_settings();
    std::vector<std::string> kept(settings_lines, settings_lines + SETTINGS_MAX_LINES);
    FUZZ_CHECK(settings_line_count == SETTINGS_MAX_LINES && kept == expected_settings_lines(input));
}

// map file and wall rectangles

// Each edge of a tile: whether its walls run down a column or along a row, where a wall lies
// across its tile, and the kinds that wall it (the doorway kind last).
const int EDGE_KINDS = 4, DOORWAY = EDGE_KINDS - 1;
const int EDGE_SET_COUNT = 4, WALL_THICK = 12, DOOR_GAP_START = 5, DOOR_GAP_END = 95;
const bool COLUMN = true, ROW = false;
struct WallEdgeSet {
    bool vertical;
    int across, kinds[EDGE_KINDS];
};
static const WallEdgeSet EDGE_SETS[EDGE_SET_COUNT] = {
    {COLUMN, 3, {TILE_WALL_LEFT_BOTTOM, TILE_WALL_LEFT_TOP, TILE_WALL_LEFT, TILE_DOOR_LEFT}},
    {COLUMN, 88, {TILE_WALL_RIGHT_BOTTOM, TILE_WALL_RIGHT_TOP, TILE_WALL_RIGHT, TILE_DOOR_RIGHT}},
    {ROW, 2, {TILE_WALL_RIGHT_TOP, TILE_WALL_LEFT_TOP, TILE_WALL_TOP, TILE_DOOR_TOP}},
    {ROW, 87, {TILE_WALL_LEFT_BOTTOM, TILE_WALL_RIGHT_BOTTOM, TILE_WALL_BOTTOM, TILE_DOOR_BOTTOM}}};

const float FAR_BEYOND_WORLD = 1e6f;  // no wall lies there; keeps the conversions to int defined
static bool is_whole(float value)
{
    return std::fabs(value) < FAR_BEYOND_WORLD && value == std::floor(value);
}

// How many walls cover each world pixel along each wall line of each edge set.
using Cover = unsigned char[EDGE_SET_COUNT][MAP_SIZE][WORLD_PIXELS];

// Adds a rectangle to the edge set and line its geometry alone puts it on;
// false if it lies on none or overlaps a wall already there.
static bool cover_wall_rect(const WallRect &r, Cover &cover)
{
    if (!is_whole(r.x) || !is_whole(r.y) || !is_whole(r.w) || !is_whole(r.h))
        return false;
    for (int set = 0; set < EDGE_SET_COUNT; set++) {
        const WallEdgeSet &edge = EDGE_SETS[set];
        int across = (int)(edge.vertical ? r.x : r.y), thick = (int)(edge.vertical ? r.w : r.h);
        int along = (int)(edge.vertical ? r.y : r.x), length = (int)(edge.vertical ? r.h : r.w);
        if (thick != WALL_THICK || across < 0 || across % TILE_SIZE != edge.across ||
            across / TILE_SIZE >= MAP_SIZE)
            continue;
        bool fits = length > 0 && along >= 0 && along + length <= WORLD_PIXELS;
        for (int p = along; fits && p < along + length; p++)
            fits = cover[set][across / TILE_SIZE][p]++ == 0;
        return fits;
    }
    return false;
}

// Every tile is of a known kind, the rectangles cover exactly the wall pieces of map_tiles
// (or, when the list is full, no more than them), and no two of one edge set overlap.
static void check_wall_rects()
{
    static Cover built, wanted;
    memset(built, 0, sizeof built);
    memset(wanted, 0, sizeof wanted);
    FUZZ_CHECK(wall_rect_count >= 0 && wall_rect_count <= MAX_WALL_RECTS);
    for (int i = 0; i < wall_rect_count; i++)
        FUZZ_CHECK(cover_wall_rect(*wall_rects[i], built));
    for (int set = 0; set < EDGE_SET_COUNT; set++)
        for (int line = 0; line < MAP_SIZE; line++)
            for (int tile = 0; tile < MAP_SIZE; tile++) {
                const WallEdgeSet &edge = EDGE_SETS[set];
                int kind = edge.vertical ? map_tiles[line][tile] : map_tiles[tile][line];
                FUZZ_CHECK(kind >= 0 && kind < TILE_KIND_COUNT);
                unsigned char *piece = &wanted[set][line][tile * TILE_SIZE];
                if (std::count(edge.kinds, edge.kinds + EDGE_KINDS, kind))
                    memset(piece, 1, TILE_SIZE);
                if (kind == edge.kinds[DOORWAY])  // walled only at its ends
                    memset(piece + DOOR_GAP_START, 0, DOOR_GAP_END - DOOR_GAP_START);
            }
    const unsigned char *b = &built[0][0][0], *w = &wanted[0][0][0];
    FUZZ_CHECK(wall_rect_count == MAX_WALL_RECTS
                   ? std::equal(b, b + sizeof built, w, std::less_equal<unsigned char>())
                   : memcmp(built, wanted, sizeof built) == 0);
}

// The grid the bytes give by the format's own rules: row y is the y-th word
// between whitespace, its tiles the word's first 50 bytes from '!' (kind 0)
// up. A missing byte or one beyond the kinds is floor and makes the file not whole.
static bool expected_grid(const std::string &input, int tiles[MAP_SIZE][MAP_SIZE])
{
    std::istringstream words(input);
    bool whole = true;
    for (int y = 0; y < MAP_SIZE; y++) {
        std::string row;  // empty past the last word
        words >> row;
        for (int x = 0; x < MAP_SIZE; x++) {
            int byte = x < (int)row.size() ? (unsigned char)row[x] : 0;
            bool valid = byte >= TILE_CHAR_OFFSET && byte < TILE_CHAR_OFFSET + TILE_KIND_COUNT;
            tiles[x][y] = valid ? byte - TILE_CHAR_OFFSET : 0;
            whole = whole && valid;
        }
    }
    return whole;
}

// The file and the same bytes as a stream give the grid of the rules; its walls are then built
// on an empty list.
static void fuzz_map(const std::string &input)
{
    snprintf(map_path, sizeof map_path, "%s", "fuzz.map");
    std::ofstream(map_path, std::ios::binary) << input;
    load_map();
    static int expected[MAP_SIZE][MAP_SIZE], again[MAP_SIZE][MAP_SIZE];
    bool whole = expected_grid(input, expected);
    FUZZ_CHECK(memcmp(expected, map_tiles, sizeof expected) == 0);
    std::istringstream same(input);
    FUZZ_CHECK(read_map_rows(same, again) == whole && memcmp(again, map_tiles, sizeof again) == 0);
    clear_wall_rects();
    prepare_map();
    check_wall_rects();
}

// save file

const unsigned RANDOM_SEED = 12345;
static bool same_value(const std::string &given, const std::string &saved)
{
    if (given == saved)
        return true;  // a tag, or a number written as the save writes it
    char *end = nullptr;
    long integer = strtol(given.c_str(), &end, 10);
    if (*end == '\0' && std::to_string(integer) == saved)
        return true;
    std::ostringstream number;
    number.imbue(std::locale::classic());
    number << strtof(given.c_str(), &end);
    return *end == '\0' && number.str() == saved;
}

// An accepted file holds exactly what a save of the loaded game writes: the
// same rows (the first 50 tiles of each) and the same values, and no more.
static void check_loaded_as_given(const std::string &input, const std::string &saved)
{
    std::istringstream given_text(input), saved_text(saved);
    std::vector<std::string> given{std::istream_iterator<std::string>(given_text), {}};
    std::vector<std::string> again{std::istream_iterator<std::string>(saved_text), {}};
    FUZZ_CHECK(given.size() == again.size());
    for (size_t i = 0; i < given.size() && i < again.size(); i++)
        FUZZ_CHECK(i < MAP_SIZE ? given[i].substr(0, MAP_SIZE) == again[i]
                                : same_value(given[i], again[i]));
}

// Refused: nothing changed. Accepted: a world within its rules holding the
// file's values, walls rebuilt from the saved grid, and saving it again is a
// fixed point. Neither draws a random number.
// The Waves state a refused save must leave as it was.
static std::string waves_dump()
{
    std::ostringstream out;
    out << game_mode << ' ' << wave_number << ' ' << wave_spawned << ' ' << spawn_clock << ' '
        << breather_left << ' ' << hurt_flash_carry << ' ' << game_time_ms << ' ' << fire_clock[0];
    return out.str();
}

static void fuzz_save(const std::string &input)
{
    set_up_game_in_progress();
    game_mode = MODE_WAVES;  // a Waves game in progress, which a Classic file ends
    wave_number = 4;
    wave_spawned = 3;
    breather_left = 0.0f;
    game_time_ms = 90000;
    std::string before = world_dump(true), waves_before = waves_dump();
    srand(RANDOM_SEED);
    bool accepted = load_game_from_text(input);
    int next = rand();
    srand(RANDOM_SEED);
    FUZZ_CHECK(next == rand());
    if (!accepted)
        FUZZ_CHECK(world_dump(true) == before && waves_dump() == waves_before);
    else {
        FUZZ_CHECK(world_within_rules() &&
                   screen_number == SCREEN_GAME_MENU);  // the caller moves on
        check_wall_rects();
        std::string saved = saved_game_text();
        check_loaded_as_given(input, saved);
        FUZZ_CHECK(load_game_from_text(saved) && saved_game_text() == saved);
    }
}

// Maps/ listing

const size_t MAX_NAMES_TRIED = 600;
const int FOLDER_ENTRIES = 2;  // "." and ".."

// The bytes are file names separated by line feeds, slashes or zero bytes;
// the ones the file system takes are made as empty files in Maps/. Without
// the folder there are no names; a second scan replaces the first. The
// names are in the list's order.
static void fuzz_map_list(const std::string &input)
{
    scan_map_folder();
    FUZZ_CHECK(map_name_count == 0);
    make_folder(MAP_FOLDER);
    std::set<std::string> made;
    for (size_t at = 0; at <= input.size() && made.size() < MAX_NAMES_TRIED;) {
        size_t end = std::min(input.find_first_of(std::string("\n/\0", 3), at), input.size());
        std::string name = input.substr(at, end - at), path = std::string(MAP_FOLDER) + "/" + name;
        at = end + 1;
        if (!name.empty() && std::ofstream(path).is_open())
            made.insert(name);
    }
    scan_map_folder();
    scan_map_folder();
    FUZZ_CHECK(map_name_count >= 0 && map_name_count <= MAX_MAP_NAMES);
    std::set<std::string> listed;
    for (int i = 0; i < map_name_count; i++)
        FUZZ_CHECK(strlen(map_names[i]) <= (size_t)MAP_NAME_MAX &&
                   !is_temporary_name(map_names[i]) && listed.insert(map_names[i]).second &&
                   (i == 0 || map_name_before(map_names[i - 1], map_names[i])));
#ifdef _WIN32
    // Windows keeps names its own way (case aside, trailing dots and blanks
    // cut, the code page's letters): every name listed must open again.
    for (const std::string &name : listed)
        FUZZ_CHECK(path_exists((std::string(MAP_FOLDER) + "/" + name).c_str()));
    for (const std::string &name : listed)
        _wremove(wide_text(std::string(MAP_FOLDER) + "/" + name).c_str());
    for (const std::string &name : made)  // those not listed: temporaries, long names
        unlink((std::string(MAP_FOLDER) + "/" + name).c_str());
    clear_map_names();
#else
    if (made.size() + FOLDER_ENTRIES <= (size_t)MAX_MAP_NAMES) {  // room for all: none is missing
        FUZZ_CHECK(listed.count(".") && listed.count(".."));
        for (const std::string &name : made)
            FUZZ_CHECK(is_temporary_name(name.c_str()) || listed.count(name));
    }
    clear_map_names();
    for (const std::string &name : made)
        unlink((std::string(MAP_FOLDER) + "/" + name).c_str());
#endif
    FUZZ_CHECK(rmdir(MAP_FOLDER) == 0);
}

// replay files

const int UNTOUCHED = -7;  // in a tape and a summary a refused file must leave alone

// What playback relies on: each frame's entries in order within the row,
// every value one the game could have given, a hash per 300 frames.
static bool tape_within_rules(const ReplayTape &tape)
{
    size_t at = 0;
    for (int frame = 0; frame < tape.frames; frame++) {
        if (at >= tape.changes.size())
            return false;
        int count = tape.changes[at++], last = -1;
        if (count < 0 || count > TAPE_ROW || at + 2 * (size_t)count > tape.changes.size())
            return false;
        for (int i = 0; i < count; i++, at += 2) {
            int index = tape.changes[at];
            if (index <= last || index >= TAPE_ROW || !tape_value_ok(index, tape.changes[at + 1]))
                return false;
            last = index;
        }
    }
    const ReplayStart &s = tape.start;
    return at == tape.changes.size() &&
           tape.hashes.size() == (size_t)(tape.frames - 1) / REPLAY_HASH_FRAMES && s.mode >= 0 &&
           s.mode < MODE_COUNT && s.players >= 1 && s.players <= MAX_PLAYERS;
}

static bool same_summary(const ReplaySummary &a, const ReplaySummary &b)
{
    return strcmp(a.map_name, b.map_name) == 0 && a.mode == b.mode && a.players == b.players &&
           a.kills == b.kills && a.length_ms == b.length_ms && a.saved_time == b.saved_time;
}

// A refusal changes nothing; what is taken keeps the rules, is written back
// the same, and its summary reads alone from the start of what is written.
static void check_replay_text(const std::string &text)
{
    ReplayTape tape;
    ReplaySummary summary;
    tape.frames = summary.kills = UNTOUCHED;
    int result = read_replay_text(text, tape, summary);
    FUZZ_CHECK(result >= REPLAY_READ && result <= REPLAY_OTHER_VERSION);
    if (result != REPLAY_READ) {
        FUZZ_CHECK(tape.frames == UNTOUCHED && summary.kills == UNTOUCHED);
        return;
    }
    FUZZ_CHECK(tape.frames > 0 && tape_within_rules(tape));
    std::string written = replay_file_text(tape, summary);
    ReplayTape again;
    ReplaySummary summary_again, head;
    FUZZ_CHECK(read_replay_text(written, again, summary_again) == REPLAY_READ &&
               same_summary(summary, summary_again) && replay_file_text(again, summary) == written);
    FUZZ_CHECK(read_replay_summary(written.substr(0, REPLAY_SUMMARY_BYTES), head) == REPLAY_READ &&
               same_summary(summary, head));
}

// The bytes as a file, and the same bytes packed behind a right header as
// the file's body: zlib's check would refuse almost every change to a
// packed body, and the reader's own checks lie behind it.
static void fuzz_replay(const std::string &input)
{
    check_replay_text(input);
    std::string body(compressBound((uLong)input.size()), '\0');
    uLongf size = body.size();
    FUZZ_CHECK(compress((Bytef *)&body[0], &size, (const Bytef *)input.data(),
                        (uLong)input.size()) == Z_OK);
    body.resize(size);
    check_replay_text(std::string(REPLAY_HEADER) + " " + std::to_string(REPLAY_FORMAT_VERSION) +
                      ", made by fuzzing\n" + body);
}

const FuzzTarget fuzz_targets[FUZZ_TARGET_COUNT] = {{"settings", fuzz_settings},
                                                    {"map", fuzz_map},
                                                    {"save", fuzz_save},
                                                    {"map_list", fuzz_map_list},
                                                    {"replay", fuzz_replay}};
