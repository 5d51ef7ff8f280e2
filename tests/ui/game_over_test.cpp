// game_over_test.cpp -- the summary after the horde wins and the bests kept per map
#include "game/waves.h"
#include "game/world_fixture.h"
#include "main_loop.h"
#include "maps/records.h"
#include "ui/game_over.h"

class GameOver : public CleanWorld {
protected:
    // A game on `map` of `seconds` of play that ends with `kills` kills.
    static void play_and_die(const char *map, int kills, int seconds)
    {
        clean_world();
        start_game_clock(map);
        for (int i = 0; i < seconds; i++)
            count_game_time(1000);
        kill_count = kills;
        place_zombie(100, 100);
        add_wall_rect(0, 0, 10, 10);
        finish_game();
    }
    static void play_and_die_in_waves(const char *map, int kills, int seconds, int wave)
    {
        clean_world();
        game_mode = MODE_WAVES;
        reset_world_for_new_game(map);
        for (int i = 0; i < seconds; i++)
            count_game_time(1000);
        kill_count = kills;
        wave_number = wave;
        finish_game();
    }
};

// The summary keeps the game's figures and the lists are emptied as any game
// over empties them (the golden replay draws the summary). The game enters
// the bests of its map.
TEST_F(GameOver, TheSummaryKeepsTheFiguresAndTheBestsAreKeptPerMap)
{
    play_and_die("Farm", 83, 20);
    EXPECT_EQ(screen_number, SCREEN_GAME_OVER);
    EXPECT_TRUE(game_over_kills == 83 && game_over_seconds == 20 &&
                zombie_count + wall_rect_count == 0);
    EXPECT_EQ(read_file(RECORDS_FILE),
              "# Rotwalk bests: map, most kills, longest survival in seconds\nFarm\t83\t20\n");

    // Each figure keeps its own best; the file outlives the run, and a
    // damaged file or line costs nothing but itself.
    play_and_die("Farm", 10, 95);
    EXPECT_TRUE(game_over_before.kills == 83 && game_over_before.seconds == 20);
    play_and_die("Farm", 1, 5);
    play_and_die("Map 1", 5, 1);
    map_record_count = 0;
    read_records();
    ASSERT_EQ(map_record_count, 2);
    EXPECT_TRUE(find_record("Farm", MODE_CLASSIC)->kills == 83 &&
                find_record("Farm", MODE_CLASSIC)->seconds == 95);
    EXPECT_TRUE(find_record("Map 1", MODE_CLASSIC)->kills == 5);

    play_and_die("", 7, 7);  // a loaded game knows no map and enters nothing
    read_records();
    EXPECT_EQ(map_record_count, 2);
    write_text_file(
        RECORDS_FILE,
        "Farm\t-3\t4\nTown\t12\t30\n\x01\x02\xff garbage\nTown\t99\t99\nWide\t1\t99999999999\n");
    read_records();
    ASSERT_EQ(map_record_count, 1);
    EXPECT_TRUE(find_record("Town", MODE_CLASSIC)->kills == 12 &&
                find_record("Town", MODE_CLASSIC)->seconds == 30);
    write_text_file(RECORDS_FILE, std::string(5000, '\0'));
    play_and_die("Town", 1, 1);
    EXPECT_TRUE(game_over_before.kills == 0 && screen_number == SCREEN_GAME_OVER);
}

// A Waves game on a map keeps its own line beside the Classic one, with the
// furthest wave; the Classic line stays as it was.
TEST_F(GameOver, WavesBestsAreKeptApartFromClassicOnesWithTheFurthestWave)
{
    play_and_die("Farm", 40, 30);
    play_and_die_in_waves("Farm", 200, 300, 7);
    play_and_die_in_waves("Farm", 10, 20, 2);
    EXPECT_TRUE(game_over_wave == 2 && game_over_before.wave == 7 && game_over_before.kills == 200);
    EXPECT_EQ(read_file(RECORDS_FILE),
              "# Rotwalk bests: map, most kills, longest survival in seconds\nFarm\t40\t30\n"
              "Farm\t200\t300\twaves\t7\n");
    map_record_count = 0;
    read_records();
    ASSERT_EQ(map_record_count, 2);
    EXPECT_EQ(find_record("Farm", MODE_WAVES)->wave, 7);
    EXPECT_EQ(find_record("Farm", MODE_CLASSIC)->kills, 40);
}

// Games of several players keep their bests apart by the count, on lines of
// their own; a count out of its range or a pair out of order is a damaged line.
TEST_F(GameOver, CoopBestsAreKeptApartByPlayerCount)
{
    play_and_die("Farm", 40, 30);
    clean_world();
    player_count = 2;
    start_game_clock("Farm");
    kill_count = 9;
    finish_game();
    EXPECT_EQ(game_over_before.kills, 0);  // the one-player best is not the two players'
    clean_world();
    player_count = 3;
    game_mode = MODE_WAVES;
    reset_world_for_new_game("Farm");
    wave_number = 4;
    kill_count = 50;
    finish_game();
    EXPECT_EQ(read_file(RECORDS_FILE),
              "# Rotwalk bests: map, most kills, longest survival in seconds\nFarm\t40\t30\n"
              "Farm\t9\t0\tplayers\t2\nFarm\t50\t0\twaves\t4\tplayers\t3\n");
    write_text_file(RECORDS_FILE, "Farm\t9\t0\tplayers\t2\nFarm\t50\t0\twaves\t4\tplayers\t3\n"
                                  "Town\t1\t1\tplayers\t1\nTown\t1\t1\tplayers\t5\n"
                                  "Town\t1\t1\tplayers\t2\twaves\t3\nTown\t1\t1\tplayers\n"
                                  "Farm\t99\t99\tplayers\t2\n");
    read_records();
    ASSERT_EQ(map_record_count, 2);
    EXPECT_EQ(find_record("Farm", MODE_CLASSIC, 2)->kills, 9);
    EXPECT_EQ(find_record("Farm", MODE_WAVES, 3)->wave, 4);
    EXPECT_TRUE(!find_record("Farm", MODE_CLASSIC) && !find_record("Farm", MODE_WAVES, 2));
}
