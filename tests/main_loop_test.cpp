// main_loop_test.cpp -- start-up and passes of the frame loop, with and without the overlay
#include "app/backdrop.h"
#include "app/frame_clock.h"
#include "app/settings.h"
#include "main_loop.h"
#include "support.h"
#include "ui/notice.h"
#include "ui/overlay.h"

using StartUp = ScratchFolderTest;

// A depth SDL has no format for, or no int can hold, would keep the window
// from opening: the desktop's depth is used instead. Any number but 0 turns
// a switch on.
TEST_F(StartUp, TheWindowIs640By480AtTheSettingsDepthOrElseTheDesktops)
{
    const std::pair<const char *, int> depths[] = {
        {"16", 16}, {"32", 32}, {"7", 0}, {"-32", 0}, {"2147483000", 0}, {"1e30", 0}, {"nan", 0}};
    for (const auto &d : depths) {
        write_text_file(SETTINGS_FILE, std::string("screenw=1024\nscreenh=768\nshowcursor=0.5\n") +
                                           "screenbpp=" + d.first);
        start_up();
        ASSERT_NE(display_surface, nullptr);
        EXPECT_TRUE(display_surface->w == 640 && display_surface->h == 480 &&
                    display_width == 640.0f);
        EXPECT_EQ(color_depth, d.second ? d.second : SDL_GetVideoInfo()->vfmt->BitsPerPixel)
            << d.first;
        EXPECT_EQ(display_surface->format->BitsPerPixel, color_depth);
        EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
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
    push_event(SDL_QUIT);
    run_frame();
    EXPECT_TRUE(quit_requested);
    for (int number : {-1, (int)SCREEN_COUNT, 1000}) {
        screen_number = number;
        run_frame();
        EXPECT_EQ(screen_number, number);
    }
}

// A notice lies over the finished frame and the overlay, never in the
// screen's own picture or the overlay's snapshot, for 3 s of frame time.
TEST_P(FrameLoop, ANoticeIsDrawnAfterTheScreenAndTheOverlayOnlyAndExpires)
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

INSTANTIATE_TEST_SUITE_P(Depth16, FrameLoop, ::testing::Values(16), depth_name);
