// main_loop_test.cpp -- one pass of the frame loop
#include <cstring>

#include "app/backdrop.h"
#include "app/display.h"
#include "app/input.h"
#include "app/main_loop.h"
#include "support.h"

class FrameLoop : public DisplayTest {
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        quit_requested = false;
        screen_number = SCREEN_MAIN_MENU;
        overlay_level = 0.0f;
        memset(key_state, 0, sizeof key_state);
    }
};

TEST_P(FrameLoop, AQuitEventEndsTheLoopOnlyAfterTheFrameHasRun)
{
    SDL_Event event = {};
    event.type = SDL_KEYDOWN;
    event.key.keysym.sym = SDLK_d;
    ASSERT_EQ(SDL_PushEvent(&event), 0);
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    ASSERT_EQ(SDL_PushEvent(&quit), 0);
    event = {};
    event.type = SDL_MOUSEMOTION;
    ASSERT_EQ(SDL_PushEvent(&event), 0);

    run_frame();
    EXPECT_TRUE(quit_requested);
    EXPECT_EQ(key_state[SDLK_d], KEY_PRESSED);  // the frame's input step still ran
    SDL_Event left;
    EXPECT_EQ(SDL_PeepEvents(&left, 1, SDL_PEEKEVENT, SDL_ALLEVENTS), 0);  // all drained
}

TEST_P(FrameLoop, ScreenNumbersWithoutAScreenStillCompleteTheFrame)
{
    for (int number : {-1, (int)SCREEN_COUNT, 1000}) {
        screen_number = number;
        run_frame();
        EXPECT_EQ(screen_number, number);
        EXPECT_FALSE(quit_requested);
    }
}

INSTANTIATE_AT_BOTH_DEPTHS(FrameLoop);
