// save_game_test.cpp -- the save file's lines, safe saving, resuming a game, refusing damaged files
#include <sys/stat.h>

#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "app/main_loop.h"
#include "game/world_fixture.h"
#include "maps/map_file.h"
#include "maps/map_prepare.h"
#include "maps/save_game.h"

// Lines of the save of set_up_saved_world's game (2 zombies, 2 players).
const int ZOMBIES_LINE = 50, PLAYERS_LINE = 61, SHARED_LINE = 74, SAVED_LINES = 82;

static int zombie_line(int zombie, int field) { return ZOMBIES_LINE + 1 + 5 * zombie + field; }  // x y angle health target
static int player_line(int slot, int field) { return PLAYERS_LINE + 1 + 6 * slot + field; }  // x y angle health energy cooldown

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

// Every value of the world to the bit: what a save carries, or the whole
// world with every slot, the records' addresses and the screen.
static std::string world_dump(bool whole)
{
    std::ostringstream out;
    out << std::hexfloat;
    for (int i = 0; i < (whole ? MAX_PLAYERS : player_count); i++)
        out << player_x[i] << " " << player_y[i] << " " << player_angle[i] << " " << player_health[i] << " "
            << player_energy[i] << " " << fire_cooldown[i] << "\n";
    for (int i = 0; i < zombie_count; i++)
        out << (whole ? (void *)zombies[i] : nullptr) << " " << zombies[i]->x << " " << zombies[i]->y << " "
            << zombies[i]->angle << " " << zombies[i]->health << " " << zombies[i]->target_player << "\n";
    for (int i = 0; i < wall_rect_count; i++)
        out << (whole ? (void *)wall_rects[i] : nullptr) << " " << wall_rects[i]->x << " " << wall_rects[i]->y << " "
            << wall_rects[i]->w << " " << wall_rects[i]->h << "\n";
    out << player_count << " " << zombie_count << " " << wall_rect_count << " " << kill_count << " " << pending_damage
        << " " << hurt_flash << " " << aim_x << " " << aim_y << " " << camera_x << " " << camera_y << " "
        << view_scale << " " << (whole ? screen_number : 0) << "\n";
    for (int y = 0; y < MAP_SIZE; y++)
        for (int x = 0; x < MAP_SIZE; x++)
            out << (char)('A' + map_tiles[x][y]);
    return out.str();
}

static void set_player(int slot, float x, float y, float angle, float health, float energy, int cooldown)
{
    player_x[slot] = x, player_y[slot] = y, player_angle[slot] = angle;
    player_health[slot] = health, player_energy[slot] = energy, fire_cooldown[slot] = cooldown;
}

static void set_shared(float ax, float ay, float cx, float cy, float scale, float damage, int flash, int kills)
{
    aim_x = ax, aim_y = ay, camera_x = cx, camera_y = cy, view_scale = scale;
    pending_damage = damage, hurt_flash = flash, kill_count = kills;
}

// Two players and two zombies on floor 3 with two walls; every value has at
// most 6 significant digits, so the save holds it exactly.
static void set_up_saved_world()
{
    clean_world();
    fill_grid(3);
    map_tiles[3][7] = TILE_WALL_LEFT;
    map_tiles[10][10] = TILE_WALL_TOP;
    prepare_map();
    place_zombie(1234.57f, 99.999f, 100.0f, 0).angle = -3.14159f;
    place_zombie(-120.25f, 5100.5f, 20.0f, 1).angle = 0.5f;
    player_count = 2;
    set_player(0, 2456.79f, 2450.0f, 1.5f, 80.5f, 33.25f, 1);
    set_player(1, 2550.0f, 2500.0f, -2.0f, 100.0f, 100.0f, 0);
    set_shared(2600.5f, 2300.25f, 2200.0f, 2100.75f, 0.805f, 0.4f, 12, 37);
}

// Another game in progress, with something in both lists and in every value.
static void set_up_other_world()
{
    clean_world();
    fill_grid(5);
    place_zombie(10.0f, 20.0f, 60.0f).angle = 0.25f;
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
        clean_world();
        ScratchFolderTest::TearDown();
    }
};

TEST_F(SaveFile, OneValuePerLineInBlockOrderWithSixSignificantDigitsAndAFailedSaveKeepsTheOld)
{
    clean_world();
    map_tiles[0][0] = TILE_WALL_LEFT_BOTTOM;
    map_tiles[49][49] = TILE_DOOR_TOP;
    place_zombie(2456.789f, 2500.0f).angle = 0.00001f;
    place_zombie(-0.5f, 123456789.0f, 19.999999f).angle = 1e-7f;
    place_zombie(3.0f, 4.0f, 40.0f).angle = -1.0f;
    set_player(0, 2500.0f, 2450.125f, -2.35619449f, 99.9f, 0.0f, 1);
    set_shared(2500.0f, 10.0f / 3.0f, 4360.0f, 0.0f, 0.999f, 0.8f, 8, 1234567);
    save_game();  // Saves/ does not exist yet
    std::vector<std::string> lines = save_lines();
    ASSERT_EQ(lines.size(), 81u);  // 50 + 1 + 15 + 1 + 6 + 8
    EXPECT_EQ(lines[0], "+" + std::string(49, '!'));
    EXPECT_EQ(lines[49], std::string(49, '!') + "6");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 50, lines.end()),
              (std::vector<std::string>{"3", "2456.79", "2500", "1e-05", "100", "0", "-0.5", "1.23457e+08", "1e-07",
                                        "20", "0", "3", "4", "-1", "40", "0", "1", "2500", "2450.12", "-2.35619",
                                        "99.9", "0", "1", "2500", "3.33333", "4360", "0", "0.999", "0.8", "8",
                                        "1234567"}));
    std::string old_save = read_file(SAVE_FILE);
    EXPECT_EQ(old_save.back(), '\n');

    set_up_saved_world();
    with_file_size_limit(2000, save_game);  // the grid alone is 2550 bytes
    EXPECT_EQ(read_file(SAVE_FILE), old_save);
    EXPECT_EQ(folder_listing(SAVE_FOLDER), "gamesave.dat\n");
}

TEST_F(SaveFile, LoadingRestoresTheSavedGameWithItsWallsWhateverTheLineEndsAndDrawsNoRandomNumber)
{
    set_up_saved_world();
    const std::string saved = world_dump(false);
    save_game();
    const std::vector<std::string> lines = save_lines();
    for (const char *line_end : {"\n", "\r\n"}) {
        write_save(lines, line_end);
        set_up_other_world();
        srand(42);
        int first_draw = rand();
        srand(42);
        load_game();
        EXPECT_EQ(rand(), first_draw);
        EXPECT_EQ(screen_number, SCREEN_GAME);
        EXPECT_EQ(world_dump(false), saved);
    }
    // Slots beyond the saved ones stand where a new game puts them.
    EXPECT_EQ((std::vector<float>{player_x[2], player_y[2], player_x[3], player_y[3], (float)fire_cooldown[3]}),
              (std::vector<float>{2450, 2500, 2500, 2550, 0}));

    // The save keeps its own grid when its map file changes or goes.
    snprintf(map_path, sizeof map_path, "town.map");
    fill_grid(TILE_WALL_RIGHT);
    save_map();
    for (int pass = 0; pass < 2; pass++) {
        set_up_other_world();
        load_game();
        EXPECT_EQ(world_dump(false), saved);
        remove(map_path);
    }
}

struct Damage {
    const char *what;
    int line;          // the line replaced, or one of the cuts below
    const char *text;  // its new text
};
const int CUT_TO = -1;  // keep only the first `text` lines
const int APPEND = -2;  // add a line

TEST_F(SaveFile, AMissingOrDamagedFileIsRefusedAndChangesNothing)
{
    set_up_other_world();
    std::string before = world_dump(true);
    load_game();  // missing: the main menu stays
    EXPECT_EQ(screen_number, SCREEN_MAIN_MENU);
    screen_number = SCREEN_GAME_MENU;
    EXPECT_EQ(world_dump(true), before);

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
        {"zombie count above the data", ZOMBIES_LINE, "3"}, {"zombie count below the data", ZOMBIES_LINE, "1"},
        {"zombie count in words", ZOMBIES_LINE, "two"}, {"count beyond int", ZOMBIES_LINE, "99999999999999999999"},
        {"target 4", zombie_line(1, 4), "4"}, {"target -1", zombie_line(0, 4), "-1"},
        {"zombie x NaN", zombie_line(0, 0), "nan"}, {"zombie y infinite", zombie_line(1, 1), "inf"},
        {"angle beyond float", zombie_line(0, 2), "1e39"}, {"health with junk", zombie_line(0, 3), "100x"},
        {"no players", PLAYERS_LINE, "0"}, {"five players", PLAYERS_LINE, "5"},
        {"health above 100", player_line(0, 3), "100.5"}, {"health below 0", player_line(0, 3), "-0.001"},
        {"slot 1 health below 0", player_line(1, 3), "-3"}, {"energy above 100", player_line(1, 4), "101"},
        {"energy below 0", player_line(0, 4), "-1"}, {"player x infinite", player_line(0, 0), "-inf"},
        {"cooldown 2", player_line(0, 5), "2"}, {"cooldown -1", player_line(1, 5), "-1"},
        {"cooldown 0.5", player_line(1, 5), "0.5"}, {"aim NaN", SHARED_LINE, "NaN"},
        {"camera x 4360.5", SHARED_LINE + 2, "4360.5"}, {"camera x -1", SHARED_LINE + 2, "-1"},
        {"camera y 4521", SHARED_LINE + 3, "4521"}, {"camera y -0.25", SHARED_LINE + 3, "-0.25"},
        {"scale 1.5", SHARED_LINE + 4, "1.5"}, {"scale -0.1", SHARED_LINE + 4, "-0.1"},
        {"damage infinite", SHARED_LINE + 5, "inf"}, {"hurt flash 104", SHARED_LINE + 6, "104"},
        {"hurt flash -4", SHARED_LINE + 6, "-4"}, {"kills 37.5", SHARED_LINE + 7, "37.5"},
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
        before = world_dump(true);
        load_game();
        EXPECT_EQ(world_dump(true), before) << damage.what;
    }

    // Values on the edges of their ranges are kept, so each refusal above came from its damage.
    std::vector<std::string> edges = good;
    for (const Damage &edge : {Damage{"", zombie_line(0, 4), "3"}, {"", player_line(0, 3), "0"},
                               {"", player_line(1, 4), "0"}, {"", player_line(0, 4), "100"},
                               {"", SHARED_LINE + 2, "4360"}, {"", SHARED_LINE + 3, "4520"},
                               {"", SHARED_LINE + 4, "0"}, {"", SHARED_LINE + 6, "100"}})
        edges[edge.line] = edge.text;
    write_save(edges);
    load_game();
    ASSERT_EQ(screen_number, SCREEN_GAME);
    EXPECT_EQ((std::vector<float>{(float)zombies[0]->target_player, camera_y, (float)hurt_flash}),
              (std::vector<float>{3, 4520, 100}));

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

class SavedFloor : public WorldPicture {};

TEST_P(SavedFloor, ALoadedGameStartsOnAFloorWithoutBlood)
{
    make_floor();
    set_up_saved_world();
    render_world_surface();
    // Blood of the game, on the wall tile and on plain floor, clear of the keyed holes.
    SDL_Rect splats[2] = {{300, 700, 40, 40}, {4960, 4960, 40, 40}};
    for (SDL_Rect &splat : splats)
        SDL_FillRect(world_surface, &splat, SDL_MapRGB(world_surface->format, 120, 0, 0));
    save_game();
    load_game();
    ASSERT_EQ(screen_number, SCREEN_GAME);
    for (int corner : {0, 39}) {
        EXPECT_EQ(read_pixel(world_surface, 300 + corner, 700 + corner), cell_color(world_surface, TILE_WALL_LEFT));
        EXPECT_EQ(read_pixel(world_surface, 4960 + corner, 4960 + corner), cell_color(world_surface, 3));
    }
}

INSTANTIATE_AT_BOTH_DEPTHS(SavedFloor);
