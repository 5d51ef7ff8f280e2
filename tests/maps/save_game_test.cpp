// save_game_test.cpp -- the save file's lines, safe saving, resuming a game, refusing damaged files
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <vector>

#include "app/assets.h"
#include "app/main_loop.h"
#include "game/world.h"
#include "maps/map_file.h"
#include "maps/map_fixtures.h"
#include "maps/save_game.h"

// Lines of the file that set_up_saved_world's game gives (2 zombies, 2 players).
const int ZOMBIES_LINE = 50, PLAYERS_LINE = 61, SHARED_LINE = 74, SAVED_LINES = 82;

static int zombie_line(int zombie, int field)  // x, y, angle, health, target
{
    return ZOMBIES_LINE + 1 + 5 * zombie + field;
}

static int player_line(int slot, int field)  // x, y, angle, health, energy, cooldown
{
    return PLAYERS_LINE + 1 + 6 * slot + field;
}

static std::vector<std::string> save_lines()
{
    std::vector<std::string> lines;
    std::istringstream text(read_file(SAVE_FILE));
    for (std::string line; std::getline(text, line);)
        lines.push_back(line);
    return lines;
}

static void write_save(const std::vector<std::string> &lines, const char *line_end = "\n")
{
    std::string text;
    for (const std::string &line : lines)
        text += line + line_end;
    write_text_file(SAVE_FILE, text);
}

// Every value of the world to the bit; with the record addresses it also
// shows whether the lists still hold the same records.
static std::string world_dump(bool with_addresses = true)
{
    std::ostringstream out;
    out << std::hexfloat;
    for (int i = 0; i < MAX_PLAYERS; i++)
        out << player_x[i] << " " << player_y[i] << " " << player_angle[i] << " "
            << player_health[i] << " " << player_energy[i] << " " << fire_cooldown[i] << "\n";
    for (int i = 0; i < zombie_count; i++)
        out << (with_addresses ? (const void *)zombies[i] : nullptr) << " " << zombies[i]->x
            << " " << zombies[i]->y << " " << zombies[i]->angle << " " << zombies[i]->health
            << " " << zombies[i]->target_player << "\n";
    for (int i = 0; i < wall_rect_count; i++)
        out << (with_addresses ? (const void *)wall_rects[i] : nullptr) << " " << wall_rects[i]->x
            << " " << wall_rects[i]->y << " " << wall_rects[i]->w << " " << wall_rects[i]->h << "\n";
    out << player_count << " " << zombie_count << " " << wall_rect_count << " " << kill_count << " "
        << pending_damage << " " << hurt_flash << " " << aim_x << " " << aim_y << " " << camera_x
        << " " << camera_y << " " << view_scale << " " << screen_number << "\n";
    for (int y = 0; y < MAP_SIZE; y++)
        for (int x = 0; x < MAP_SIZE; x++)
            out << (char)('A' + map_tiles[x][y]);
    return out.str();
}

static std::vector<float> slot_values(int slot)
{
    return {player_x[slot], player_y[slot], player_angle[slot], player_health[slot],
            player_energy[slot], (float)fire_cooldown[slot]};
}

static std::vector<float> shared_values()
{
    return {aim_x, aim_y, camera_x, camera_y, view_scale, pending_damage, (float)hurt_flash,
            (float)kill_count};
}

static void add_zombie(float x, float y, float angle, float health, int target)
{
    Zombie *zombie = zombies[spawn_zombie(x, y) - 1];
    zombie->angle = angle;
    zombie->health = health;
    zombie->target_player = target;
}

static void set_player(int slot, float x, float y, float angle, float health, float energy,
                       int cooldown)
{
    player_x[slot] = x;
    player_y[slot] = y;
    player_angle[slot] = angle;
    player_health[slot] = health;
    player_energy[slot] = energy;
    fire_cooldown[slot] = cooldown;
}

static void set_shared(float ax, float ay, float cx, float cy, float scale, float damage,
                       int flash, int kills)
{
    aim_x = ax, aim_y = ay, camera_x = cx, camera_y = cy, view_scale = scale;
    pending_damage = damage, hurt_flash = flash, kill_count = kills;
}

// Two players and two zombies on floor 3 with two walls.
static void set_up_saved_world()
{
    clear_zombies();
    clear_wall_rects();
    fill_grid(3);
    map_tiles[3][7] = TILE_WALL_LEFT;
    map_tiles[10][10] = TILE_WALL_TOP;
    player_count = 1;
    add_zombie(1234.5678f, 99.999f, -3.1415927f, 100.0f, 0);
    add_zombie(-120.25f, 5100.5f, 0.5f, 20.0f, 1);
    player_count = 2;
    set_player(0, 2456.789f, 2450.0f, 1.5f, 80.5f, 33.25f, 1);
    set_player(1, 2550.0f, 2500.0f, -2.0f, 100.0f, 100.0f, 0);
    set_shared(2600.5f, 2300.25f, 2200.0f, 2100.75f, 0.805f, 0.4f, 12, 37);
}

// Another game in progress, with something in both lists and in every value.
static void set_up_other_world()
{
    clear_zombies();
    clear_wall_rects();
    fill_grid(5);
    player_count = 1;
    add_zombie(10.0f, 20.0f, 0.25f, 60.0f, 0);
    add_wall_rect(1.0f, 2.0f, 3.0f, 4.0f);
    player_count = 3;
    for (int i = 0; i < MAX_PLAYERS; i++)
        set_player(i, 100.0f + i, 200.0f + i, 0.125f * i, 50.0f + i, 40.0f + i, 7);
    set_shared(5.5f, 5.5f, 6.5f, 6.5f, 0.5f, 2.0f, 44, 3);
    screen_number = SCREEN_GAME_MENU;
}

class SaveFile : public ScratchFolderTest {
protected:
    void TearDown() override
    {
        clear_zombies();
        clear_wall_rects();
        player_count = 1;
        ScratchFolderTest::TearDown();
    }
};

TEST_F(SaveFile, OneValuePerLineInBlockOrderWithSixSignificantDigits)
{
    clear_zombies();
    fill_grid(0);
    map_tiles[0][0] = TILE_WALL_LEFT_BOTTOM;
    map_tiles[49][49] = TILE_DOOR_TOP;
    player_count = 1;
    add_zombie(2456.789f, 2500.0f, 0.00001f, 100.0f, 0);
    add_zombie(-0.5f, 123456789.0f, 1e-7f, 19.999999f, 0);
    add_zombie(3.0f, 4.0f, -1.0f, 40.0f, 0);
    set_player(0, 2500.0f, 2450.125f, -2.35619449f, 99.9f, 0.0f, 1);
    set_shared(2500.0f, 10.0f / 3.0f, 4360.0f, 0.0f, 0.999f, 0.8f, 8, 1234567);
    save_game();  // Saves/ does not exist yet

    std::vector<std::string> lines = save_lines();
    ASSERT_EQ(lines.size(), 81u);  // 50 + 1 + 15 + 1 + 6 + 8
    EXPECT_EQ(lines[0], "+" + std::string(49, '!'));
    EXPECT_EQ(lines[49], std::string(49, '!') + "6");
    std::vector<std::string> expected = {
        "3",
        "2456.79", "2500", "1e-05", "100", "0",
        "-0.5", "1.23457e+08", "1e-07", "20", "0",
        "3", "4", "-1", "40", "0",
        "1",
        "2500", "2450.12", "-2.35619", "99.9", "0", "1",
        "2500", "3.33333", "4360", "0", "0.999", "0.8", "8", "1234567"};
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 50, lines.end()), expected);
    EXPECT_EQ(read_file(SAVE_FILE).back(), '\n');
    EXPECT_EQ(folder_listing(SAVE_FOLDER), "gamesave.dat\n");

    // A failed save leaves the old save byte for byte.
    std::string old_save = read_file(SAVE_FILE);
    set_up_saved_world();
    with_file_size_limit(2000, save_game);  // the grid alone is 2550 bytes
    EXPECT_EQ(read_file(SAVE_FILE), old_save);
    EXPECT_EQ(folder_listing(SAVE_FOLDER), "gamesave.dat\n");
}

TEST_F(SaveFile, LoadingRestoresTheGameAndRebuildsItsWalls)
{
    set_up_saved_world();
    save_game();
    set_up_other_world();
    srand(42);
    int first_draw = rand();
    srand(42);
    load_game();
    EXPECT_EQ(rand(), first_draw);  // no random number was drawn
    EXPECT_EQ(screen_number, SCREEN_GAME);

    // The other game's records are gone; the saved ones are back in order,
    // rounded to 6 significant digits, and their walls rebuilt.
    ASSERT_EQ(zombie_count, 2);
    ASSERT_EQ(wall_rect_count, 2);
    EXPECT_EQ(wall_rects[0]->x, 303.0f);
    EXPECT_EQ(wall_rects[1]->y, 1002.0f);
    const Zombie expected[2] = {{1234.57f, 99.999f, -3.14159f, 100.0f, 0},
                                {-120.25f, 5100.5f, 0.5f, 20.0f, 1}};
    for (int i = 0; i < 2; i++) {
        EXPECT_EQ(zombies[i]->x, expected[i].x);
        EXPECT_EQ(zombies[i]->y, expected[i].y);
        EXPECT_EQ(zombies[i]->angle, expected[i].angle);
        EXPECT_EQ(zombies[i]->health, expected[i].health);
        EXPECT_EQ(zombies[i]->target_player, expected[i].target_player);
    }
    EXPECT_EQ(player_count, 2);
    EXPECT_EQ(slot_values(0), (std::vector<float>{2456.79f, 2450, 1.5f, 80.5f, 33.25f, 1}));
    EXPECT_EQ(slot_values(1), (std::vector<float>{2550, 2500, -2, 100, 100, 0}));
    // Slots beyond the saved ones take the starting places of a new game.
    EXPECT_EQ(slot_values(2), (std::vector<float>{2450, 2500, 0.25f, 52, 42, 0}));
    EXPECT_EQ(slot_values(3), (std::vector<float>{2500, 2550, 0.375f, 53, 43, 0}));
    EXPECT_EQ(shared_values(), (std::vector<float>{2600.5f, 2300.25f, 2200, 2100.75f, 0.805f,
                                                   0.4f, 12, 37}));
    std::string restored = world_dump(false);

    // The same file with CR LF line ends loads the same world.
    write_save(save_lines(), "\r\n");
    set_up_other_world();
    load_game();
    EXPECT_EQ(world_dump(false), restored);
}

TEST_F(SaveFile, ASaveKeepsItsOwnGridWhenItsMapFileChangesOrGoes)
{
    snprintf(map_path, sizeof map_path, "town.map");
    set_up_saved_world();
    save_map();
    save_game();
    fill_grid(TILE_WALL_RIGHT);
    save_map();
    set_up_other_world();
    load_game();
    EXPECT_EQ(map_tiles[3][7], TILE_WALL_LEFT);
    EXPECT_EQ(map_tiles[49][49], 3);
    EXPECT_EQ(wall_rect_count, 2);
    remove("town.map");
    set_up_other_world();
    load_game();
    EXPECT_EQ(map_tiles[10][10], TILE_WALL_TOP);
    EXPECT_EQ(wall_rect_count, 2);
}

TEST_F(SaveFile, AMissingSaveLeavesTheMainMenuAndTheWorld)
{
    set_up_other_world();
    std::string before = world_dump();
    load_game();
    EXPECT_EQ(screen_number, SCREEN_MAIN_MENU);
    screen_number = SCREEN_GAME_MENU;
    EXPECT_EQ(world_dump(), before);
}

struct Damage {
    const char *what;
    int line;          // the line replaced, or one of the cuts below
    const char *text;  // its new text
};
const int CUT_TO = -1;  // keep only the first `text` lines
const int APPEND = -2;  // add a line

TEST_F(SaveFile, EveryDamagedFileIsRefusedAndChangesNothing)
{
    set_up_saved_world();
    save_game();
    const std::vector<std::string> good = save_lines();
    ASSERT_EQ(good.size(), (size_t)SAVED_LINES);
    std::string short_row(49, '$'), high_char = good[10], low_char = good[49], blank = good[20];
    high_char[5] = '7';
    low_char[49] = '\x1f';
    blank[25] = ' ';
    const Damage damages[] = {
        {"empty", CUT_TO, "0"}, {"grid only", CUT_TO, "50"}, {"cut in a zombie", CUT_TO, "58"},
        {"last value missing", CUT_TO, "81"}, {"a value after the end", APPEND, "7"},
        {"short grid row", 3, short_row.c_str()}, {"character past the kinds", 10, high_char.c_str()},
        {"control character", 49, low_char.c_str()}, {"blank in a row", 20, blank.c_str()},
        {"zombie count -1", ZOMBIES_LINE, "-1"}, {"zombie count 1001", ZOMBIES_LINE, "1001"},
        {"zombie count above the data", ZOMBIES_LINE, "3"},
        {"zombie count below the data", ZOMBIES_LINE, "1"},
        {"zombie count in words", ZOMBIES_LINE, "two"},
        {"zombie count beyond int", ZOMBIES_LINE, "99999999999999999999"},
        {"target 4", zombie_line(1, 4), "4"}, {"target -1", zombie_line(0, 4), "-1"},
        {"zombie x NaN", zombie_line(0, 0), "nan"}, {"zombie y infinite", zombie_line(1, 1), "inf"},
        {"angle beyond float", zombie_line(0, 2), "1e39"},
        {"health with junk", zombie_line(0, 3), "100x"},
        {"no players", PLAYERS_LINE, "0"}, {"five players", PLAYERS_LINE, "5"},
        {"health above 100", player_line(0, 3), "100.5"},
        {"health below 0", player_line(0, 3), "-0.001"},
        {"slot 1 health below 0", player_line(1, 3), "-3"},
        {"energy above 100", player_line(1, 4), "101"}, {"energy below 0", player_line(0, 4), "-1"},
        {"player x infinite", player_line(0, 0), "-inf"}, {"cooldown 2", player_line(0, 5), "2"},
        {"cooldown -1", player_line(1, 5), "-1"}, {"cooldown 0.5", player_line(1, 5), "0.5"},
        {"aim NaN", SHARED_LINE, "NaN"}, {"camera x 4360.5", SHARED_LINE + 2, "4360.5"},
        {"camera x -1", SHARED_LINE + 2, "-1"}, {"camera y 4521", SHARED_LINE + 3, "4521"},
        {"camera y -0.25", SHARED_LINE + 3, "-0.25"}, {"scale 1.5", SHARED_LINE + 4, "1.5"},
        {"scale -0.1", SHARED_LINE + 4, "-0.1"}, {"damage infinite", SHARED_LINE + 5, "inf"},
        {"hurt flash 104", SHARED_LINE + 6, "104"}, {"hurt flash -4", SHARED_LINE + 6, "-4"},
        {"kills 37.5", SHARED_LINE + 7, "37.5"},
    };
    for (const Damage &damage : damages) {
        std::vector<std::string> lines = good;
        if (damage.line == CUT_TO)
            lines.resize((size_t)atoi(damage.text));
        else if (damage.line == APPEND)
            lines.push_back(damage.text);
        else
            lines[damage.line] = damage.text;
        write_save(lines);
        set_up_other_world();
        std::string before = world_dump();
        load_game();
        EXPECT_EQ(world_dump(), before) << damage.what;
    }

    // Values on the edges of their ranges are kept; so each refusal above
    // came from its damage.
    std::vector<std::string> edges = good;
    for (const Damage &edge : {Damage{"", zombie_line(0, 4), "3"}, {"", player_line(0, 3), "0"},
                               {"", player_line(1, 4), "0"}, {"", player_line(0, 4), "100"},
                               {"", SHARED_LINE + 2, "4360"}, {"", SHARED_LINE + 3, "4520"},
                               {"", SHARED_LINE + 4, "0"}, {"", SHARED_LINE + 6, "100"}})
        edges[edge.line] = edge.text;
    write_save(edges);
    set_up_other_world();
    load_game();
    ASSERT_EQ(screen_number, SCREEN_GAME);
    EXPECT_EQ(zombies[0]->target_player, 3);
    EXPECT_EQ(camera_y, 4520.0f);
    EXPECT_EQ(hurt_flash, 100);

    // A full list of 1000 zombies, four times the spawn limit, and four players.
    std::vector<std::string> crowd(good.begin(), good.begin() + ZOMBIES_LINE);
    crowd.push_back("1000");
    for (int i = 0; i < MAX_ZOMBIES; i++)
        crowd.insert(crowd.end(), {"10", "20", "0", "100", "2"});
    crowd.push_back("4");
    for (int slot = 0; slot < MAX_PLAYERS; slot++)
        crowd.insert(crowd.end(), {"2500", "2500", "0", "50", "50", "0"});
    crowd.insert(crowd.end(), good.begin() + SHARED_LINE, good.end());
    write_save(crowd);
    load_game();
    EXPECT_EQ(zombie_count, MAX_ZOMBIES);
    EXPECT_EQ(zombies[999]->target_player, 2);
    EXPECT_EQ(player_count, 4);
}

using SavedFloor = FloorTest;

TEST_P(SavedFloor, ALoadedGameStartsOnAFloorWithoutBlood)
{
    set_up_saved_world();
    render_world_surface();
    // Blood painted during play, on the wall tile and on plain floor, clear
    // of the sheet's keyed squares.
    SDL_Rect splats[2] = {{300, 700, 40, 40}, {4960, 4960, 40, 40}};
    for (SDL_Rect &splat : splats)
        SDL_FillRect(world_surface, &splat, SDL_MapRGB(world_surface->format, 120, 0, 0));
    save_game();
    load_game();
    ASSERT_EQ(screen_number, SCREEN_GAME);
    EXPECT_TRUE(shows_cell(300, 700, TILE_WALL_LEFT));
    EXPECT_TRUE(shows_cell(339, 739, TILE_WALL_LEFT));
    EXPECT_TRUE(shows_cell(4960, 4960, 3));
    EXPECT_TRUE(shows_cell(4999, 4999, 3));
    clear_zombies();
    clear_wall_rects();
    player_count = 1;
}

INSTANTIATE_AT_BOTH_DEPTHS(SavedFloor);
