// replay_file_test.cpp -- a tape written to its file and read back, and every kind of bad file refused
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <iterator>

#include "app/frame_clock.h"
#include "app/input.h"
#include "app/key_bindings.h"
#include "maps/replay_file.h"

const int PAD_PART = 3 + 2 * PAD_AXIS_COUNT + PAD_BUTTON_COUNT + 4;  // a pad's numbers in a row

// A tape of `frames` frames whose every frame changes the frame's length
// and a key, with the sticks of `drifting_pads` pads swept in each.
static ReplayTape sample_tape(int frames, int drifting_pads)
{
    ReplayTape tape = {};
    ReplayStart &s = tape.start;
    for (int x = 0; x < MAP_SIZE; x++)
        for (int y = 0; y < MAP_SIZE; y++)
            s.tiles[x][y] = (x * 7 + y) % TILE_KIND_COUNT;
    strcpy(s.map_name, "Town");
    s.mode = MODE_WAVES;
    s.players = 2;
    const int devices[MAX_PLAYERS] = {DEVICE_KEYBOARD, 0, DEVICE_NONE, DEVICE_NONE};
    memcpy(s.devices, devices, sizeof s.devices);
    s.seed = 4000000000u;
    s.draws = 123456;
    memcpy(s.bindings, DEFAULT_BINDINGS, sizeof s.bindings);
    for (int &a : s.pad_axes)
        a = NO_CONTROL;
    for (int &b : s.pad_buttons)
        b = NO_CONTROL;
    s.pad_axes[STICK_AIM_X] = 3;
    s.dead_zone = 30;
    srand(11);
    int speed_bits;
    float speed = 1.5f;
    memcpy(&speed_bits, &speed, sizeof speed_bits);
    std::vector<int> stick(16, 0), sweep(16, 0);
    for (int f = 0; f < frames; f++) {
        std::vector<int> frame = {0, 16 + f % 2, 2 + f % 40, f % 3};
        if (f == 0)
            frame.insert(frame.begin() + 2, {1, speed_bits});
        // Each pad's four axes sit at the end of the row, in steps of its part.
        for (int p = 0; p < drifting_pads; p++)
            for (int a = 0; a < 4; a++) {
                // A thumb sweeps the stick: its speed changes a little each frame.
                int &v = stick[p * 4 + a], &speed = sweep[p * 4 + a];
                speed = std::max(-1500, std::min(1500, speed + rand() % 201 - 100));
                v = std::max(-32768, std::min(32767, v + speed));
                if (v == -32768 || v == 32767)
                    speed = -speed;
                frame.push_back(TAPE_ROW - (4 - p) * PAD_PART + 3 + 2 * a);
                frame.push_back(v);
            }
        tape.changes.push_back((int)frame.size() / 2);
        tape.changes.insert(tape.changes.end(), frame.begin(), frame.end());
    }
    tape.frames = frames;
    for (int i = 0; i < (frames - 1) / REPLAY_HASH_FRAMES; i++)
        tape.hashes.push_back(0x9e3779b97f4a7c15ull * (i + 1));
    return tape;
}

static bool same_tape(const ReplayTape &a, const ReplayTape &b)
{
    return memcmp(a.start.tiles, b.start.tiles, sizeof a.start.tiles) == 0 &&
           strcmp(a.start.map_name, b.start.map_name) == 0 &&
           a.start.save_text == b.start.save_text && a.start.mode == b.start.mode &&
           a.start.players == b.start.players &&
           memcmp(a.start.devices, b.start.devices, sizeof a.start.devices) == 0 &&
           a.start.seed == b.start.seed && a.start.draws == b.start.draws &&
           memcmp(a.start.bindings, b.start.bindings, sizeof a.start.bindings) == 0 &&
           memcmp(a.start.pad_axes, b.start.pad_axes, sizeof a.start.pad_axes) == 0 &&
           memcmp(a.start.pad_buttons, b.start.pad_buttons, sizeof a.start.pad_buttons) == 0 &&
           a.start.dead_zone == b.start.dead_zone && a.changes == b.changes &&
           a.frames == b.frames && a.hashes == b.hashes;
}

// Everything a tape holds comes back, and its summary can be read from the
// file's first bytes alone.
TEST(ReplayFile, ReadsBackWhatItWrote)
{
    for (const char *save : {"", "a loaded game's text\n"}) {
        ReplayTape tape = sample_tape(701, 2), read;
        tape.start.save_text = save;
        ReplaySummary summary = replay_summary(tape, 42, 1796000000LL), read_summary = {};
        std::string text = replay_file_text(tape, summary);
        EXPECT_EQ(text.compare(0, 17, "Rotwalk replay 1,"), 0) << text.substr(0, 40);
        ASSERT_EQ(read_replay_text(text, read, read_summary), REPLAY_READ);
        EXPECT_TRUE(same_tape(tape, read));
        EXPECT_EQ(read.hashes.size(), 2u);
        ReplaySummary head = {};
        ASSERT_EQ(read_replay_summary(text.substr(0, 300), head), REPLAY_READ);
        for (const ReplaySummary &s : {read_summary, head}) {
            EXPECT_STREQ(s.map_name, "Town");
            EXPECT_EQ(s.mode, MODE_WAVES);
            EXPECT_EQ(s.players, 2);
            EXPECT_EQ(s.kills, 42);
            EXPECT_EQ(s.length_ms, 351L * 16 + 350L * 17);
            EXPECT_EQ(s.saved_time, 1796000000LL);
        }
    }
}

// Ten minutes of four players at the game's fastest frame rate, every
// stick moving in every frame, stay under a megabyte (1 MiB).
TEST(ReplayFile, TenMinutesOfFourPadsFitInAMegabyte)
{
    ReplayTape tape = sample_tape(10 * 60 * 1000 / MIN_FRAME_MS, 4);
    std::string text = replay_file_text(tape, replay_summary(tape, 0, 0));
    EXPECT_LT(text.size(), 1u << 20);
}

// Every file that is not a whole replay of this format, and every value
// the game could not have recorded, is refused with the tape untouched.
TEST(ReplayFile, RefusesDamagedForeignAndImpossibleFiles)
{
    const ReplayTape good = sample_tape(320, 1);
    const std::string text = replay_file_text(good, replay_summary(good, 5, 0));
    const size_t body = text.find('\n') + 1;
    std::string flipped = text;
    flipped[body + (text.size() - body) / 2] ^= 0x10;
    const struct {
        const char *what;
        std::string file;
        int result;
    } files[] = {
        {"empty", "", REPLAY_FOREIGN},
        {"a map", "!!!!!!!!!!\n", REPLAY_FOREIGN},
        {"no version", "Rotwalk replay , made by Rotwalk 1.0.0\n" + text.substr(body),
         REPLAY_FOREIGN},
        {"a later format", "Rotwalk replay 2, made by Rotwalk 9\n" + text.substr(body),
         REPLAY_OTHER_VERSION},
        {"header only", text.substr(0, body), REPLAY_DAMAGED},
        {"cut short", text.substr(0, text.size() - 9), REPLAY_DAMAGED},
        {"a byte changed", flipped, REPLAY_DAMAGED},
        {"bytes after the end", text + "x", REPLAY_DAMAGED},
    };
    const std::function<void(ReplayTape &)> impossible[] = {
        [](ReplayTape &t) { t.start.players = MAX_PLAYERS + 1; },
        [](ReplayTape &t) { t.start.tiles[3][4] = TILE_KIND_COUNT; },
        [](ReplayTape &t) { t.start.bindings[ACTION_UP] = SDLK_ESCAPE; },
        [](ReplayTape &t) { t.start.devices[1] = MAX_PADS; },
        [](ReplayTape &t) { strcpy(t.start.map_name, "Tab\tmap"); },
        [](ReplayTape &t) { t.changes[6] = KEY_PRESSED + 1; },  // a key's state
        [](ReplayTape &t) { t.changes[4] = 0x7fc00000; },       // a speed factor of NaN
        [](ReplayTape &t) { t.changes[5] = 1; },                // an index twice in a frame
        [](ReplayTape &t) { t.hashes.pop_back(); },
    };
    ReplayTape kept = sample_tape(2, 0);
    ReplaySummary summary = replay_summary(kept, 7, 9);
    for (const auto &f : files) {
        ReplayTape tape = kept;
        EXPECT_EQ(read_replay_text(f.file, tape, summary), f.result) << f.what;
        EXPECT_TRUE(same_tape(tape, kept)) << f.what;
        EXPECT_EQ(summary.kills, 7) << f.what;
    }
    for (size_t i = 0; i < std::size(impossible); i++) {
        ReplayTape bad = good, tape = kept;
        impossible[i](bad);
        EXPECT_EQ(read_replay_text(replay_file_text(bad, replay_summary(bad, 5, 0)), tape, summary),
                  REPLAY_DAMAGED)
            << "change " << i;
        EXPECT_TRUE(same_tape(tape, kept)) << "change " << i;
    }
}
