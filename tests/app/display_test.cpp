// display_test.cpp -- starting SDL's video on a display that shows pictures, or saying why not
// The X11 and Wayland choice; Windows opens its one driver, windib.
#ifndef _WIN32
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/display.h"

// With no display at all the game stops with status 1 and says what it
// tried; on sdl12-compat, SDL2's own offscreen fallback (which it takes
// when nothing opens) is refused. The reasons name the displays set.
TEST(DisplayStart, WithoutADisplayItSaysWhatItTriedAndStops)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const char *said = sdl_is_compat() ? "no display: neither a Wayland nor an X11 display"
                                       : "no display: DISPLAY is not set";
    EXPECT_EXIT(
        {
            for (const char *variable : {VIDEO_DRIVER_VARIABLE, "DISPLAY", "WAYLAND_DISPLAY"})
                unsetenv(variable);
            open_video_driver();
        },
        testing::ExitedWithCode(1), said);
    const struct {
        bool compat;
        const char *wayland, *x, *reason;
    } cases[] = {
        {false, nullptr, ":5", "cannot open the X display :5 (boom)"},
        {true, "", nullptr,
         "neither a Wayland nor an X11 display could be opened (WAYLAND_DISPLAY and DISPLAY are "
         "not set)"},
        {true, "wayland-1", nullptr,
         "neither a Wayland nor an X11 display could be opened (WAYLAND_DISPLAY wayland-1, "
         "DISPLAY not set: boom)"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(no_display_reason(c.compat, c.wayland, c.x, "boom"), c.reason);
}
#endif
