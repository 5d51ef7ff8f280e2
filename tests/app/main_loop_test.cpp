// main_loop_test.cpp -- start-up and passes of the frame loop, with and without the overlay
#include "app/backdrop.h"
#include "app/frame_clock.h"
#include "app/main_loop.h"
#include "app/settings.h"
#include "support.h"
#include "ui/buttons.h"
#include "ui/notice.h"
#include "ui/overlay.h"

using StartUp = ScratchFolderTest;

TEST_F(StartUp, TheWindowIsAlways640By480WithTheCaptionAndTheDepthFromTheSettings)
{
    for (int depth : {16, 32}) {
        write_text_file(SETTINGS_FILE, "screenw=1024\nscreenh=768\nshowcursor=1\nscreenbpp=" + std::to_string(depth));
        start_up();
        ASSERT_NE(display_surface, nullptr);
        EXPECT_TRUE(display_surface->w == 640 && display_surface->h == 480 && display_width == 640.0f);
        EXPECT_TRUE(color_depth == depth && display_surface->format->BitsPerPixel == depth);
        EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
        char *title = nullptr;
        SDL_WM_GetCaption(&title, nullptr);
        EXPECT_STREQ(title, WINDOW_CAPTION);
        shut_down();
        display_surface = nullptr;
    }
}

class FrameLoop : public ScreenTest {
protected:
    void SetUp() override
    {
        ScreenTest::SetUp();
        init_overlay();  // no Media/ here: no dashboard, but both backdrop surfaces
        quit_requested = false;
        clear_notice();  // an earlier test's save may have left one
    }
    void TearDown() override
    {
        screen_number = SCREEN_MAIN_MENU;
        ScreenTest::TearDown();
    }
};

TEST_P(FrameLoop, AQuitEventEndsTheLoopAfterTheFrameAndUnknownScreensRunNothing)
{
    push_event(SDL_KEYDOWN, SDLK_d);
    push_event(SDL_QUIT);
    push_event(SDL_MOUSEMOTION);
    run_frame();
    EXPECT_TRUE(quit_requested);
    EXPECT_EQ(key_state[SDLK_d], KEY_PRESSED);
    SDL_Event left;
    EXPECT_EQ(SDL_PeepEvents(&left, 1, SDL_PEEKEVENT, SDL_ALLEVENTS), 0);  // all drained
    for (int number : {-1, (int)SCREEN_COUNT, 1000}) {
        screen_number = number;
        run_frame();
        EXPECT_EQ(screen_number, number);
    }
}

// From the frame of the Escape until the level is back at 0 the screen does
// not run (the main menu would reset its row counter) and the fully open
// overlay shows the blurred snapshot alone.
TEST_P(FrameLoop, EscapeFreezesTheScreenBehindTheBlurUntilTheLevelIsZeroAgain)
{
    screen_number = -1;  // nothing draws: the snapshot is the black display
    push_event(SDL_KEYDOWN, SDLK_ESCAPE);
    run_frame();
    screen_number = SCREEN_MAIN_MENU;
    menu_line = 0;
    for (int i = 0; i < 20; i++)
        run_frame();
    EXPECT_EQ(overlay_level, 100.0f);
    EXPECT_EQ(differing_pixels(display_surface, nullptr, display_rgb(50, 50, 50)), 0);
    push_event(SDL_KEYDOWN, SDLK_ESCAPE);
    for (int i = 0; i < 20; i++)
        run_frame();
    EXPECT_EQ(menu_line, 0);
    run_frame();
    EXPECT_EQ(menu_line, MENU_FIRST_LINE + 4);
    expect_grey(display_surface, 600, 10, TEST_PLAIN_GREY);
}

INSTANTIATE_AT_BOTH_DEPTHS(FrameLoop);

// A notice lies over the finished frame and the overlay, never in the
// screen's own picture or the overlay's snapshot, for 3 s of frame time.
class NoticeOnTop : public FrameLoop {};

TEST_P(NoticeOnTop, IsDrawnAfterTheScreenAndTheOverlayOnlyAndExpires)
{
    const int box_x = 320, box_y = NOTICE_TOP + 1;
    show_notice("Game saved");
    run_frame();
    expect_grey(display_surface, box_x, box_y, 0);
    expect_grey(display_surface, 600, box_y, TEST_PLAIN_GREY);  // beside the box the menu shows
    push_event(SDL_KEYDOWN, SDLK_ESCAPE);
    run_frame();
    expect_grey(backdrop_snapshot, box_x, box_y, TEST_PLAIN_GREY);
    for (int i = 0; i < 20; i++)
        run_frame();
    expect_grey(display_surface, box_x, box_y, 0);  // over the open overlay too

    show_notice("%s", std::string(200, 'x').c_str());
    EXPECT_EQ(std::string(notice_text), std::string(NOTICE_MAX_CHARS - 3, 'x') + "...");
    frame_ms = 1000;
    for (int frame = 0; frame < 4; frame++) {
        SDL_FillRect(display_surface, nullptr, display_rgb(9, 9, 9));
        draw_notice();
        expect_grey(display_surface, box_x, box_y, frame < 3 ? 0 : 9);
    }
}

INSTANTIATE_TEST_SUITE_P(Depth16, NoticeOnTop, ::testing::Values(16), depth_name);
