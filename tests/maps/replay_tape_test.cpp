// replay_tape_test.cpp -- a recorded game played back through the real frame loop to the same world
#include <cmath>
#include <map>

#include "app/frame_clock.h"
#include "app/random.h"
#include "fuzz/fuzz_targets.h"
#include "game/world_fixture.h"
#include "main_loop.h"
#include "maps/replay_file.h"
#include "maps/replay_tape.h"
#include "replay/replay_support.h"
#include "ui/notice.h"
#include "ui/replay_view.h"
#include "ui/save_notices.h"

using RecordedGame = ScratchFolderTest;

// Walking in legs of 40 frames with the pointer circling and the button
// held; "P" pauses at frame 100 and "Resume" is clicked at 110.
static void feed_script(int frame)
{
    const SDLKey legs[4] = {SDLK_d, SDLK_s, SDLK_a, SDLK_w};
    if (frame % 40 == 0) {
        if (frame)
            push_event(SDL_KEYUP, legs[(frame / 40 - 1) % 4]);
        push_event(SDL_KEYDOWN, legs[frame / 40 % 4]);
    }
    const int buttons[][2] = {{2, SDL_MOUSEBUTTONDOWN},
                              {110, SDL_MOUSEBUTTONUP},
                              {112, SDL_MOUSEBUTTONDOWN},
                              {114, SDL_MOUSEBUTTONUP},
                              {116, SDL_MOUSEBUTTONDOWN}};
    for (const auto &b : buttons)
        if (b[0] == frame)
            push_event((Uint8)b[1], SDL_BUTTON_LEFT);
    if (frame == 100 || frame == 102)
        push_event(frame == 100 ? SDL_KEYDOWN : SDL_KEYUP, SDLK_p);
    bool resume = frame >= 108 && frame < 116;
    SDL_WarpMouse((Uint16)(resume ? 320 : 320 + 150 * std::cos(frame * 0.1)),
                  (Uint16)(resume ? 110 : 240 + 150 * std::sin(frame * 0.1)));
}

// The world every 25 game frames, by the game frame's number.
static void note_world(std::map<int, std::string> &worlds, int frames)
{
    if (screen_number == SCREEN_GAME && frames > 0 && frames % 25 == 0)
        worlds[frames] = world_dump(false);
}

// A new game and a loaded save, each recorded for 330 frames with a pause
// in them, then played back at another frame length, from another place in
// the random stream, with no input: the same world at every note, and the
// player's own keys back in the tables after each frame.
TEST_F(RecordedGame, PlaysBackToTheSameWorldFromANewGameAndFromALoadedSave)
{
    start_fresh_game_folder();
    start_up();
    seed_random(20261208);
    for (bool loaded : {false, true}) {
        SCOPED_TRACE(loaded ? "loaded" : "new");
        if (loaded) {
            save_game_with_notice();
            end_game();
            ASSERT_TRUE(load_game_with_notice());
        } else {
            strcpy(map_path, "Maps/Town.map");
            player_count = 1;
            game_mode = MODE_CLASSIC;
            screen_number = SCREEN_START_GAME;
        }
        std::map<int, std::string> recorded, played;
        scripted_frame_ms = REPLAY_FRAME_MS;
        for (int frame = 0; frame < 330 && screen_number != SCREEN_GAME_OVER; frame++) {
            feed_script(frame);
            run_frame();
            note_world(recorded, recorded_tape.frames);
        }
        ASSERT_GT(recorded_tape.frames, REPLAY_HASH_FRAMES);
        ASSERT_GT(recorded.size(), 5u);
        ReplayTape tape = recorded_tape;
        for (int key : {SDLK_d, SDLK_s, SDLK_a, SDLK_w})
            push_event(SDL_KEYUP, key);
        push_event(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT);
        run_frame();
        end_game();
        scripted_frame_ms = 20;
        seed_random(7);
        use_bindings(AZERTY_BINDINGS);  // the watcher's own, which the tape's replace
        ASSERT_TRUE(begin_playback(tape));
        replay_speed = loaded ? REPLAY_FASTEST : 1;  // four game frames a drawn frame
        screen_number = SCREEN_GAME;
        while (screen_number == SCREEN_GAME && tape_frame < tape.frames) {
            run_frame();
            note_world(played, tape_frame);
            EXPECT_EQ(key_state[SDLK_d] + mouse_button_state[SDL_BUTTON_LEFT], KEY_UP);
        }
        EXPECT_EQ(tape_frame, tape.frames);
        EXPECT_GE(played.size(), loaded ? 2u : recorded.size());
        for (const auto &p : played)
            EXPECT_TRUE(p.second == recorded[p.first]) << "frame " << p.first;
        if (!loaded) {
            // Through its file, with the player moved a pixel half-way: the
            // check at frame 300 stops it and says why.
            ReplayTape read;
            ReplaySummary summary;
            ASSERT_EQ(
                read_replay_text(replay_file_text(tape, replay_summary(tape, 0, 0)), read, summary),
                REPLAY_READ);
            ASSERT_EQ(read.hashes.size(), 1u);
            ASSERT_TRUE(begin_playback(read));
            screen_number = SCREEN_GAME;
            replay_speed = 1;
            while (screen_number == SCREEN_GAME && tape_frame < read.frames) {
                if (tape_frame == 150)
                    player_x[0] += 1.0f;
                run_frame();
            }
            EXPECT_EQ(tape_frame, REPLAY_HASH_FRAMES);
            EXPECT_EQ(screen_number, SCREEN_MAIN_MENU);
            EXPECT_STREQ(notice_text, REPLAY_DIFFERS_TEXT);
            // The watcher's keys and place in the random stream are theirs again.
            EXPECT_TRUE(!playing_replay && random_seed == 7 && random_draws == 0 &&
                        key_bindings[0] == AZERTY_BINDINGS[0]);
        }
        end_playback();
        use_bindings(DEFAULT_BINDINGS);
        replay_speed = 1;
        scripted_frame_ms = REPLAY_FRAME_MS;
    }
    shut_down();
    scripted_frame_ms = 0;
}
