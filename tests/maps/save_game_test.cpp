// save_game_test.cpp -- the save file's lines, safe saving, resuming a game, refusing damaged files
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "app/main_loop.h"
#include "game/world_fixture.h"
#include "maps/map_file.h"
#include "maps/map_prepare.h"
#include "maps/save_game.h"
#include "ui/notice.h"

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
        out << (whole ? zombies[i] : nullptr) << " " << zombies[i]->x << " " << zombies[i]->y << " " << zombies[i]->angle
            << " " << zombies[i]->health << " " << zombies[i]->target_player << "\n";
    for (int i = 0; i < wall_rect_count; i++)
        out << (whole ? wall_rects[i] : nullptr) << " " << wall_rects[i]->x << " " << wall_rects[i]->y << " "
            << wall_rects[i]->w << " " << wall_rects[i]->h << "\n";
    out << player_count << " " << kill_count << " " << pending_damage << " " << hurt_flash << " " << aim_x << " "
        << aim_y << " " << camera_x << " " << camera_y << " " << view_scale << " " << (whole ? screen_number : 0);
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
    aim_x = 2600.5f, aim_y = 2300.25f, camera_x = 2200.0f, camera_y = 2100.75f, view_scale = 0.805f;
    pending_damage = 0.4f, hurt_flash = 12, kill_count = 37;
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
    aim_x = aim_y = camera_x = camera_y = 6.5f, view_scale = 0.5f, pending_damage = 2.0f;
    hurt_flash = 44, kill_count = 3, screen_number = SCREEN_GAME_MENU;
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
    aim_x = 2500.0f, aim_y = 10.0f / 3.0f, camera_x = 4360.0f, camera_y = 0.0f, view_scale = 0.999f;
    pending_damage = 0.8f, hurt_flash = 8, kill_count = 1234567;
    save_game();  // Saves/ does not exist yet
    std::vector<std::string> lines = save_lines();
    ASSERT_EQ(lines.size(), 81u);  // 50 + 1 + 15 + 1 + 6 + 8
    EXPECT_EQ(lines[0], "+" + std::string(49, '!'));
    EXPECT_EQ(lines[49], std::string(49, '!') + "6");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 50, lines.end()),
              (std::vector<std::string>{"3", "2456.79", "2500", "1e-05", "100", "0", "-0.5", "1.23457e+08", "1e-07", "20",
                                        "0", "3", "4", "-1", "40", "0", "1", "2500", "2450.12", "-2.35619", "99.9", "0", "1",
                                        "2500", "3.33333", "4360", "0", "0.999", "0.8", "8", "1234567"}));
    const std::string old_save = read_file(SAVE_FILE);
    EXPECT_EQ(old_save.back(), '\n');
    EXPECT_STREQ(notice_text, "Game saved");
    // A full disk or a file the player made read-only keeps the old save, and
    // the player is told.
    set_up_saved_world();
    bool saved = true;
    with_file_size_limit(2000, [&] { saved = save_game(); });  // the grid alone is 2550 bytes
    EXPECT_FALSE(saved);
    EXPECT_STREQ(notice_text, "Could not save the game: File too large");
    chmod(SAVE_FILE, 0444);
    EXPECT_FALSE(save_game());
    EXPECT_STREQ(notice_text, "Could not save the game: Permission denied");
    EXPECT_EQ(read_file(SAVE_FILE), old_save);
    EXPECT_EQ(folder_listing(SAVE_FOLDER), "gamesave.dat\n");
}

TEST_F(SaveFile, LoadingRestoresTheSavedGameAndItsWallsFromItsOwnGridAndDrawsNoRandomNumber)
{
    set_up_saved_world();
    const std::string saved = world_dump(false);
    save_game();
    const std::vector<std::string> lines = save_lines();
    snprintf(map_path, sizeof map_path, "town.map");
    fill_grid(TILE_WALL_RIGHT);
    save_map();  // the map changed after the save
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
        remove(map_path);
    }
    // Slots beyond the saved ones stand where a new game puts them.
    EXPECT_EQ((std::vector<float>{player_x[2], player_y[2], player_x[3], player_y[3], (float)fire_cooldown[3]}),
              (std::vector<float>{2450, 2500, 2500, 2550, 0}));

    // Values on the edges of their ranges, a full list of 1000 zombies (four
    // times the spawn limit) and four players are all kept.
    set_up_saved_world();
    zombies[0]->target_player = 3, player_health[0] = 0.0f, player_energy[0] = 100.0f, player_energy[1] = 0.0f;
    camera_x = 4360.0f, camera_y = 4520.0f, view_scale = 0.0f, hurt_flash = 100, player_count = 4;
    set_player(2, 0.0f, 5000.0f, 3.0f, 100.0f, 0.0f, 1), set_player(3, 10.0f, 20.0f, -3.0f, 0.0f, 100.0f, 0);
    while (zombie_count < MAX_ZOMBIES)
        place_zombie(10.0f, 20.0f, 100.0f, 2);
    const std::string edges = world_dump(false);
    save_game();
    set_up_other_world();
    load_game();
    EXPECT_EQ(world_dump(false), edges);

    // One zombie more than the list holds is refused, data and all.
    std::vector<std::string> crowd = save_lines();
    crowd[ZOMBIES_LINE] = "1001";
    crowd.insert(crowd.begin() + ZOMBIES_LINE + 1, {"10", "20", "0", "100", "2"});
    write_save(crowd);
    set_up_other_world();
    const std::string before = world_dump(true);
    load_game();
    EXPECT_EQ(world_dump(true), before);
}

TEST_F(SaveFile, AMissingOrDamagedFileIsRefusedAndChangesNothing)
{
    set_up_other_world();
    std::string before = world_dump(true);
    load_game();  // missing: the main menu stays
    EXPECT_EQ(screen_number, SCREEN_MAIN_MENU);
    EXPECT_STREQ(notice_text, "No saved game");
    screen_number = SCREEN_GAME_MENU;
    EXPECT_EQ(world_dump(true), before);
    mkdir(SAVE_FOLDER, 0777), mkdir(SAVE_FILE, 0777);  // a folder where the save belongs
    load_game();
    EXPECT_STREQ(notice_text, "Could not read the saved game: Is a directory");
    EXPECT_EQ(screen_number, SCREEN_MAIN_MENU);
    screen_number = SCREEN_GAME_MENU;
    EXPECT_EQ(world_dump(true), before);
    rmdir(SAVE_FILE);

    set_up_saved_world();
    save_game();
    const std::vector<std::string> good = save_lines();
    ASSERT_EQ(good.size(), (size_t)SAVED_LINES);
    std::string short_row(49, '$'), high_char = good[10], low_char = good[49], blank = good[20];
    high_char[5] = '7', low_char[49] = '\x1f', blank[25] = ' ';
    // Each line with the texts that damage it: a short or broken grid, counts
    // out of range or unlike the data, numbers that are no numbers or not
    // finite, and values that break the rules of the world or that the game
    // can never write (a kill count about to overflow, an unkillable zombie).
    const struct { int line; std::vector<std::string> texts; } damages[] = {
        {3, {short_row}}, {10, {high_char}}, {49, {low_char}}, {20, {blank}},
        {ZOMBIES_LINE, {"-1", "3", "1", "two", "99999999999999999999"}},
        {zombie_line(1, 4), {"4", "-1"}}, {zombie_line(0, 0), {"nan", "inf", "1e39", "100x", "1e30", "-1e30"}},
        {zombie_line(1, 3), {"0", "-20", "100.5", "1e30"}}, {zombie_line(0, 2), {"7"}}, {player_line(0, 0), {"1e30"}},
        {player_line(1, 2), {"-7"}},
        {PLAYERS_LINE, {"0", "5"}}, {player_line(0, 3), {"100.5", "-0.001"}}, {player_line(1, 3), {"-3"}},
        {player_line(1, 4), {"101", "-1"}}, {player_line(0, 1), {"-inf"}}, {player_line(1, 5), {"2", "-1", "0.5"}},
        {SHARED_LINE, {"NaN"}}, {SHARED_LINE + 2, {"4360.5", "-1"}}, {SHARED_LINE + 3, {"4521", "-0.25"}},
        {SHARED_LINE + 4, {"1.5", "-0.1"}}, {SHARED_LINE + 1, {"-1e30"}}, {SHARED_LINE + 5, {"inf", "-1", "1e30"}}, {SHARED_LINE + 6, {"104", "-4"}},
        {SHARED_LINE + 7, {"37.5", "2147483647", "-1"}}};
    std::vector<std::vector<std::string>> files;
    for (size_t cut : {0, 50, 58, 81})  // truncated, down to the last value
        files.push_back(std::vector<std::string>(good.begin(), good.begin() + cut));
    files.push_back(good);
    files.back().push_back("7");  // a value after the end
    for (const auto &damage : damages)
        for (const std::string &text : damage.texts) {
            files.push_back(good);
            files.back()[damage.line] = text;
        }
    for (const auto &lines : files) {
        write_save(lines);
        set_up_other_world();
        before = world_dump(true);
        load_game();
        EXPECT_EQ(world_dump(true), before) << "file " << &lines - &files[0] << " of " << lines.size() << " lines";
        EXPECT_STREQ(notice_text, "The saved game is damaged and was not loaded");
    }
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
