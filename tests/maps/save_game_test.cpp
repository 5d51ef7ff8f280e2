// save_game_test.cpp -- the save file's lines, safe saving and resuming a game; damaged files are in the fuzz corpus
#include "fuzz/fuzz_targets.h"
#include "game/controls.h"
#include "game/game_clock.h"
#include "game/waves.h"
#include "game/world_fixture.h"
#include "main_loop.h"
#include "maps/map_file.h"
#include "maps/save_game.h"
#include "ui/notice.h"
#include "ui/save_notices.h"

using SaveFile = CleanWorld;

TEST_F(SaveFile, OneValuePerLineInBlockOrderWithSixSignificantDigitsAndAFailedSaveKeepsTheOld)
{
    map_tiles[0][0] = TILE_WALL_LEFT_BOTTOM;
    map_tiles[49][49] = TILE_DOOR_TOP;
    place_zombie(2456.789f, 2500.0f).angle = 0.00001f;
    place_zombie(-0.5f, 123456789.0f, 19.999999f).angle = 1e-7f;
    place_zombie(3.0f, 4.0f, 40.0f).angle = -1.0f;
    player_x[0] = 2500.0f;
    player_y[0] = 2450.125f;
    player_angle[0] = -2.35619449f;
    player_health[0] = 99.9f;
    player_energy[0] = 0.0f;
    fire_cooldown[0] = 1;
    aim_x = 2500.0f;
    aim_y = 10.0f / 3.0f;
    camera_x = 4360.0f;
    camera_y = 0.0f;
    view_scale = 0.999f;
    pending_damage = 0.8f;
    hurt_flash = 8;
    kill_count = 1234567;
    save_game_with_notice();  // Saves/ does not exist yet
    const std::string old_save = read_file(SAVE_FILE);
    // The grid's kinds as characters from '!', column by column.
    std::string rows = "+" + std::string(49, '!') + "\n";
    for (int y = 1; y < MAP_SIZE - 1; y++)
        rows += std::string(50, '!') + "\n";
    rows += std::string(49, '!') + "6\n";
    EXPECT_EQ(old_save,
              rows + "3\n2456.79\n2500\n1e-05\n100\n0\n-0.5\n1.23457e+08\n1e-07\n20\n0\n3\n4\n"
                     "-1\n40\n0\n1\n2500\n2450.12\n-2.35619\n99.9\n0\n1\n2500\n3.33333\n4360\n0\n"
                     "0.999\n0.8\n8\n1234567\n");
    EXPECT_STREQ(notice_text, "Game saved");
#ifndef _WIN32
    // A full disk keeps the old save, and the player is told.
    with_file_size_limit(
        2000, [] { EXPECT_FALSE(save_game_with_notice()); });  // the grid alone is 2550 bytes
    EXPECT_STREQ(notice_text, "Could not save the game: File too large");
    EXPECT_EQ(read_file(SAVE_FILE), old_save);
#endif
}

// What the save holds comes back, whatever the line ends, without a random
// number; slots beyond the saved ones stand where a new game puts them. A
// missing, unreadable or damaged file changes nothing and says why.
TEST_F(SaveFile, LoadingRestoresTheSavedGameAndAFileThatCannotBeLoadedChangesNothing)
{
    set_up_game_in_progress();
    save_game_with_notice();
    const std::string saved = saved_game_text();
    std::string crlf;
    for (char c : saved)
        crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    const struct {
        const char *text, *notice;
        int screen;
    } files[] = {{nullptr, "No saved game", SCREEN_MAIN_MENU},
                 {"", "Could not read the saved game: Is a directory", SCREEN_MAIN_MENU},
                 {"7\n", "The saved game is damaged and was not loaded", SCREEN_GAME_MENU},
                 {crlf.c_str(), "P2 has no gamepad: connect one and press A", SCREEN_GAME}};
    for (const auto &f : files) {
        remove(SAVE_FILE);
        rmdir(SAVE_FILE);  // Windows' remove takes no folder
        if (f.text && !f.text[0])
            mkdir(SAVE_FILE, 0777);  // a folder where the save belongs
        else if (f.text)
            write_text_file(SAVE_FILE, f.text);
        // Another game than the saved one.
        set_up_game_in_progress();
        kill_count = 99;
        zombies[0]->x = 1.0f;
        player_x[3] = 1.0f;
        const std::string before = saved_game_text();
        clear_notice();
        seed_random(42);
        int first_draw = game_random();
        seed_random(42);
        load_game_with_notice();
        EXPECT_EQ(game_random(), first_draw);
        EXPECT_EQ(screen_number, f.screen) << f.notice;
        EXPECT_STREQ(notice_text, f.notice);
        EXPECT_EQ(saved_game_text(), f.screen == SCREEN_GAME ? saved : before) << f.notice;
    }
    // P1 sits at the keyboard; no pad is listed here, so P2 and P3 wait for one.
    EXPECT_TRUE(player_device[0] == DEVICE_KEYBOARD && player_device[1] == DEVICE_NONE &&
                player_device[2] == DEVICE_NONE);
    // The fourth slot, beyond the three saved.
    EXPECT_TRUE(player_x[3] == 2500.0f && player_y[3] == 2550.0f && fire_cooldown[3] == 0);
}

// A Waves game saves the design's blocks and then its own: the wave, its
// clocks and the time come back, and the same file without the block is a
// Classic game. A block that is short, mistagged or out of range refuses
// the whole file.
TEST_F(SaveFile, AWavesGameKeepsItsWaveInATrailingBlockAndADamagedBlockIsRefused)
{
    set_up_game_in_progress();
    player_count = 1;
    game_mode = MODE_WAVES;
    wave_number = 6;
    wave_spawned = 17;
    spawn_clock = 3.5f;
    breather_left = 0.0f;
    game_time_ms = 123456;
    fire_clock[0] = 1.25f;
    const std::string saved = saved_game_text();
    const std::string tail = "waves\n6\n17\n3.5\n0\n123456\n0\n1.25\n";
    ASSERT_EQ(saved.substr(saved.size() - tail.size()), tail);
    const std::string classic = saved.substr(0, saved.size() - tail.size());
    reset_world_for_new_game("");
    game_mode = MODE_CLASSIC;
    ASSERT_TRUE(load_game_from_text(saved));
    EXPECT_TRUE(game_mode == MODE_WAVES && wave_number == 6 && wave_spawned == 17 &&
                spawn_clock == 3.5f && game_time_ms == 123456 && fire_clock[0] == 1.25f);
    EXPECT_EQ(saved_game_text(), saved);
    // The Waves camera may show the world's edge; a Classic one may not.
    camera_x = CAMERA_MAX_X + 150.0f;
    camera_y = -100.0f;
    EXPECT_TRUE(load_game_from_text(saved_game_text()));
    game_mode = MODE_CLASSIC;
    EXPECT_FALSE(load_game_from_text(saved_game_text()));
    ASSERT_TRUE(load_game_from_text(classic));
    EXPECT_EQ(game_mode, MODE_CLASSIC);
    EXPECT_EQ(saved_game_text(), classic);
    for (const char *block :
         {"waves\n6\n17\n3.5\n0\n123456\n0\n", "wave\n6\n17\n3.5\n0\n123456\n0\n1.25\n",
          "waves\n0\n0\n3.5\n0\n123456\n0\n1.25\n", "waves\n6\n17\n3.5\n0\n123456\n0\n2.5\n",
          "waves\n6\n17\n3.5\n0\n123456\n0\n1.25\n9\n"})
        EXPECT_FALSE(load_game_from_text(classic + block)) << block;
    EXPECT_EQ(saved_game_text(), classic);  // each refusal left the loaded game
}
