// coop_replay_test.cpp -- a scripted game of two, then three, through the real frame loop and the join screen
#include <cmath>

#include "app/frame_clock.h"
#include "app/pads.h"
#include "game/controls.h"
#include "game/waves.h"
#include "game/world_fixture.h"
#include "main_loop.h"
#include "replay/replay_support.h"
#include "ui/notice.h"

const int COOP_FRAMES = 540;
const int COOP_CHECKPOINT_FRAMES = 90;
const unsigned COOP_SEED = 20261208;
const int MOUSE = 255;  // a cue's device: the mouse's left button at (index, value)
const int KEY = 254;    // a key: index is its symbol, value 1 down and 0 up

// One event in one frame: a pad's axis, hat or button (JOYBUTTONDOWN or UP by
// `value`), a mouse click or a key.
struct Cue {
    int frame, device, type, index, value;
};
const int DOWN = 1, UP = 0, FULL = AXIS_FULL, LOW = AXIS_LOW;
const Uint8 AXIS = SDL_JOYAXISMOTION, BUTTON = SDL_JOYBUTTONDOWN;

// The menu's "Co-op"; pad 0's A joins beside the keyboard and its Start
// picks the mode; "Waves" and the map by mouse. In play P1 walks right
// firing at the circling pointer while pad 0 walks left and aims down,
// then pad 0 alone fires with RB; pad 0's Start pauses and resumes; pad 1
// drops in with A and walks down, firing by its trigger, as P1 sprints up.
static const Cue cues[] = {{10, MOUSE, 0, 100, 275},
                           {30, 0, BUTTON, 0, DOWN},
                           {33, 0, BUTTON, 0, UP},
                           {50, 0, BUTTON, 7, DOWN},
                           {53, 0, BUTTON, 7, UP},
                           {70, MOUSE, 0, 100, 170},
                           {90, MOUSE, 0, 100, 155},
                           {100, KEY, 0, SDLK_d, DOWN},
                           {100, 0, AXIS, 0, -FULL},
                           {110, 0, AXIS, 4, FULL},
                           {125, 0, AXIS, 4, 0},
                           {200, KEY, 0, SDLK_d, UP},
                           {200, 0, AXIS, 0, 0},
                           {260, 0, BUTTON, 5, DOWN},
                           {300, 0, BUTTON, 5, UP},
                           {320, 0, BUTTON, 7, DOWN},
                           {323, 0, BUTTON, 7, UP},
                           {340, 0, BUTTON, 7, DOWN},
                           {343, 0, BUTTON, 7, UP},
                           {360, 1, BUTTON, 0, DOWN},
                           {363, 1, BUTTON, 0, UP},
                           {380, 1, AXIS, 1, FULL},
                           {380, 1, AXIS, 5, FULL},
                           {380, KEY, 0, SDLK_w, DOWN},
                           {380, KEY, 0, SDLK_LSHIFT, DOWN},
                           {430, KEY, 0, SDLK_LSHIFT, UP},
                           {450, 1, AXIS, 1, 0},
                           {450, 1, AXIS, 5, LOW},
                           {450, KEY, 0, SDLK_w, UP}};
const int P1_FIRES_FROM = 100, P1_FIRES_TO = 250;  // the left button held, the pointer circling
const int ALONE_FROM = 262, ALONE_TO = 298;        // pad 0 fires and P1 does not
const int AIM_RADIUS = 150;
const double AIM_TURN = 0.1;

static void feed_cues(int frame)
{
    int x = 320, y = 240;
    for (const Cue &cue : cues) {
        if (cue.device == MOUSE && cue.frame <= frame) {
            x = cue.index;
            y = cue.value;
        }
        if (cue.frame != frame && !(cue.device == MOUSE && cue.frame + 1 == frame))
            continue;
        if (cue.device == MOUSE)
            push_event(cue.frame == frame ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP,
                       SDL_BUTTON_LEFT);
        else if (cue.device == KEY)
            push_event(cue.value ? SDL_KEYDOWN : SDL_KEYUP, cue.index);
        else if (cue.type == BUTTON)
            push_pad(cue.value ? SDL_JOYBUTTONDOWN : SDL_JOYBUTTONUP, cue.device, cue.index);
        else
            push_pad(cue.type, cue.device, cue.index, cue.value);
    }
    if (frame == P1_FIRES_FROM || frame == P1_FIRES_TO)
        push_event(frame == P1_FIRES_FROM ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP,
                   SDL_BUTTON_LEFT);
    if (frame >= P1_FIRES_FROM && frame < P1_FIRES_TO) {
        x = VIEW_W / 2 + (int)(AIM_RADIUS * std::cos(frame * AIM_TURN));
        y = VIEW_H / 2 + (int)(AIM_RADIUS * std::sin(frame * AIM_TURN));
    }
    SDL_WarpMouse((Uint16)x, (Uint16)y);
}

using CoopReplay = ScratchFolderTest;

// Two players join, walk, aim and fire each with their own device; a third
// drops in; every 90th frame the world and the display hash as recorded.
TEST_F(CoopReplay, TwoPlayersThenThreePlayTheirOwnWayAndHashAsRecorded)
{
    start_fresh_game_folder();
    start_up();
    seed_random(COOP_SEED);
    ReplayRun replay;
    begin_replay_run(replay, "golden_coop.txt");
    float start_x[2] = {0, 0};
    int p1_shots_alone = 0, p2_shots_alone = 0, p1_moves_alone = 0;
    bool saw_join_notice = false;
    for (int frame = 0; frame < COOP_FRAMES; frame++) {
        feed_cues(frame);
        float p1_x = player_x[0];
        int screen_before = screen_number;
        run_frame();
        if (screen_before != SCREEN_GAME && screen_number == SCREEN_GAME && frame < 100) {
            ASSERT_TRUE(player_count == 2 && game_mode == MODE_WAVES);
            EXPECT_TRUE(player_device[0] == DEVICE_KEYBOARD && player_device[1] == 0);
            start_x[0] = player_x[0];
            start_x[1] = player_x[1];
        }
        if (frame == 199) {  // P1 walked right, P2 left; P2 faces where it aimed
            EXPECT_GT(player_x[0], start_x[0] + 100.0f);
            EXPECT_LT(player_x[1], start_x[1] - 100.0f);
            EXPECT_NEAR(player_angle[1], 1.5708f, 0.01f);
        }
        if (frame >= ALONE_FROM && frame < ALONE_TO) {
            p1_shots_alone += fire_clock[0] > 0.0f;
            p2_shots_alone += fire_clock[1] > 0.0f;
            p1_moves_alone += player_x[0] != p1_x;
        }
        saw_join_notice |= strcmp(notice_text, "P3 joined") == 0;
        checkpoint_replay(replay, frame + 1, COOP_CHECKPOINT_FRAMES, previous_folder);
    }
    EXPECT_TRUE(p1_shots_alone == 0 && p2_shots_alone > 5 && p1_moves_alone == 0)
        << p1_shots_alone << " " << p2_shots_alone << " " << p1_moves_alone;
    EXPECT_TRUE(saw_join_notice && player_count == 3 && player_device[2] == 1);
    EXPECT_EQ(screen_number, SCREEN_GAME);  // the first wave is not enough to overrun three
    shut_down();
    scripted_frame_ms = 0;
    finish_replay_run(replay);
}
