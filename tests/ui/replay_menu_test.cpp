// replay_menu_test.cpp -- the Replays list, the title screen's replay and the way each one ends
#include <sys/stat.h>

#include <sstream>

#include "app/backdrop.h"
#include "app/frame_clock.h"
#include "app/input.h"
#include "app/random.h"
#include "app/safe_write.h"
#include "app/settings.h"
#include "game/world_fixture.h"
#include "main_loop.h"
#include "maps/replay_file.h"
#include "replay/replay_support.h"
#include "ui/attract.h"
#include "ui/buttons.h"
#include "ui/notice.h"
#include "ui/replay_menu.h"
#include "ui/replay_view.h"
#include "ui/screens.h"

using ReplayMenu = ScratchFolderTest;

// A press held over two frames, as a player's is.
static void press(Uint8 down, int code)
{
    push_event(down, code);
    run_frame();
    push_event(down == SDL_KEYDOWN ? SDL_KEYUP : SDL_MOUSEBUTTONUP, code);
    run_frame();
}

static void click_at(int x, int y)
{
    SDL_WarpMouse((Uint16)x, (Uint16)y);
    press(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT);
}

// Forty frames of Town walked to the right: a tape that ends before its game.
static ReplayTape record_short_game()
{
    strcpy(map_path, "Maps/Town.map");
    player_count = 1;
    game_mode = MODE_CLASSIC;
    screen_number = SCREEN_START_GAME;
    push_event(SDL_KEYDOWN, SDLK_d);
    for (int frame = 0; frame < 40; frame++)
        run_frame();
    push_event(SDL_KEYUP, SDLK_d);
    run_frame();
    ReplayTape tape = recorded_tape;
    end_game();
    recording_game = false;
    screen_number = SCREEN_MAIN_MENU;
    return tape;
}

static void write_replay(const char *name, const ReplayTape &tape, int mode, int players, int kills,
                         long length_ms, long long saved_time)
{
    ReplaySummary s = replay_summary(tape, kills, saved_time);
    s.mode = mode, s.players = players, s.length_ms = length_ms;
    ASSERT_EQ(replace_file((std::string("Replays/") + name).c_str(), replay_file_text(tape, s)), 0);
}

// The list reads newest first with what each row says, a damaged file
// last by its name, temporaries and other files not at all. A damaged row
// tells why; a good one plays and its end comes back to the list. On the
// main menu, 30 s alone start a replay from the shipped folder, which a key
// ends at once without the key reaching the menu; with the setting off
// nothing starts. A replay the command line asked for quits at its end.
TEST_F(ReplayMenu, ListsNewestFirstPlaysThePickAndTheTitleScreenPlaysOneUntilAKey)
{
    start_fresh_game_folder();
    start_up();
    seed_random(5);
    ReplayTape tape = record_short_game();
    ASSERT_EQ(tape.frames, 40);
    ASSERT_EQ(mkdir(REPLAY_FOLDER, 0755), 0);
    write_replay("older.rwr", tape, MODE_CLASSIC, 1, 1, 1400, 1000);
    write_replay("newer.rwr", tape, MODE_WAVES, 2, 40, 192000, 2000);
    write_text_file("Replays/Broken.rwr", "Rotwalk replay 1, made by hand\nxx");
    write_text_file("Replays/notes.txt", "not a replay");
    write_text_file("Replays/.newer.rwr.tmp", "half written");
    screen_number = SCREEN_MAIN_MENU;
    run_frame();
    open_replay_menu();
    run_frame();
    const char *rows[] = {"Town: Waves, 2 players, 40 kills, 3:12",
                          "Town: Single Player, 1 kill, 0:01", "Broken.rwr is damaged"};
    ASSERT_EQ(replay_entries.size(), 3u);
    for (int i = 0; i < 3; i++)
        EXPECT_EQ(replay_row_label(replay_entries[(size_t)i]), rows[i]) << i;
    click_at(50, 155 + 2 * MENU_LINE_HEIGHT);
    EXPECT_STREQ(notice_text, rows[2]);
    EXPECT_EQ(screen_number, SCREEN_REPLAYS);
    clear_notice();
    click_at(50, 155 + MENU_LINE_HEIGHT);
    EXPECT_TRUE(playing_replay && replay_origin == REPLAY_FROM_LIST);
    for (int frame = 0; frame < 60 && screen_number == SCREEN_GAME; frame++)
        run_frame();
    EXPECT_EQ(tape_frame, tape.frames);
    EXPECT_TRUE(screen_number == SCREEN_REPLAYS && !playing_replay);

    // The title screen's replay, from the data folder (here the same one).
    screen_number = SCREEN_MAIN_MENU;
    scripted_frame_ms = 1000;
    for (bool on : {false, true}) {
        setting_attract = on;
        for (int frame = 0; frame < ATTRACT_IDLE_MS / 1000 + 2 && !playing_replay; frame++)
            run_frame();
        EXPECT_EQ(playing_replay, on);
    }
    scripted_frame_ms = REPLAY_FRAME_MS;
    EXPECT_TRUE(screen_number == SCREEN_GAME && replay_origin == REPLAY_ATTRACT);
    run_frame();
    push_event(SDL_KEYDOWN, SDLK_ESCAPE);
    run_frame();
    EXPECT_TRUE(screen_number == SCREEN_MAIN_MENU && !playing_replay && !overlay_open);
    push_event(SDL_KEYUP, SDLK_ESCAPE);
    run_frame();
    EXPECT_FALSE(overlay_open);

    ASSERT_TRUE(watch_replay(tape, REPLAY_FROM_COMMAND));
    for (int frame = 0; frame < 60 && !quit_requested; frame++)
        run_frame();
    EXPECT_TRUE(quit_requested && !playing_replay);
    shut_down();
}

// Each title screen replay as shipped: a Waves game of minutes on a shipped
// map, which this build plays as it was recorded past its first two checks.
TEST_F(ReplayMenu, TheShippedReplaysPlayAsRecorded)
{
    start_fresh_game_folder();
    start_up();
    std::istringstream names(folder_listing(SHIPPED_REPLAYS_DIR));
    int played = 0;
    for (std::string name; std::getline(names, name); played++) {
        ReplayTape tape;
        ReplaySummary summary;
        int error = 0;
        std::string path = std::string(SHIPPED_REPLAYS_DIR) + "/" + name;
        ASSERT_EQ(load_replay_file(path.c_str(), tape, summary, error), REPLAY_READ) << name;
        EXPECT_TRUE(summary.mode == MODE_WAVES && summary.length_ms > 5 * 60 * 1000) << name;
        ASSERT_TRUE(watch_replay(tape, REPLAY_ATTRACT));
        while (screen_number == SCREEN_GAME && tape_frame <= 2 * REPLAY_HASH_FRAMES)
            run_frame();
        EXPECT_TRUE(screen_number == SCREEN_GAME && notice_text[0] == '\0') << name << notice_text;
        stop_replay();
    }
    EXPECT_GT(played, 0);
    shut_down();
}
