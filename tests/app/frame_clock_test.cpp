// frame_clock_test.cpp -- frame pacing arithmetic and the clock texts
#include "app/frame_clock.h"
#include "main_loop.h"
#include "support.h"

// Each row is a frame: when it ends, the wait it is given and the frame it
// measured. A long frame waits for nothing, 3 ms of work wait 13, then the
// delay returns at 1063, 7 ms late, and 2 ms of work follow.
TEST(FramePacing, ShortFramesWaitAndOversleepIsChargedToTheNextFrame)
{
    const int frames[][3] = {{1040, 0, 40}, {1043, 13, 16}, {1065, 7, 16}, {1090, 0, 18}};
    last_frame_tick = 1000;
    for (const auto &f : frames) {
        EXPECT_EQ(advance_frame_clock(f[0]), f[1]) << f[0];
        EXPECT_EQ(frame_ms, f[2]) << f[0];
        EXPECT_FLOAT_EQ(frames_per_second, 1000.0f / f[2]) << f[0];
    }
    EXPECT_EQ(last_frame_tick, 1090u);
    last_frame_tick = 0xFFFFFFF0u;  // the tick counter wraps around
    EXPECT_EQ(advance_frame_clock(0x10u), 0);
    EXPECT_EQ(frame_ms, 32);
    last_frame_tick = 50000;  // the clock went back: one ordinary short frame, not a 50 s sleep
    EXPECT_EQ(advance_frame_clock(100), 16);
    EXPECT_TRUE(frame_ms == 16 && last_frame_tick == 116u);
}

TEST(ClockText, TwelveHourTimeAndADateWithWeekdayMonthOrdinalAndYear)
{
    // Times as hhmmss.
    const std::pair<int, const char *> times[] = {
        {0, "12:00:00 AM"}, {120000, "12:00:00 PM"}, {130509, "1:05:09 PM"}, {93000, "9:30:00 AM"}};
    struct tm t = {};
    for (const auto &c : times) {
        t.tm_hour = c.first / 10000;
        t.tm_min = c.first / 100 % 100;
        t.tm_sec = c.first % 100;
        build_clock_texts(t);
        EXPECT_STREQ(time_text, c.second);
    }
    const struct {
        int month, day, weekday;
        const char *text;
    } dates[] = {
        {3, 1, 1, "Monday March 1st 2027"},       {12, 2, 4, "Thursday December 2nd 2027"},
        {1, 3, 0, "Sunday January 3rd 2027"},     {1, 11, 6, "Saturday January 11th 2027"},
        {1, 21, 6, "Saturday January 21st 2027"}, {1, 22, 6, "Saturday January 22nd 2027"}};
    t.tm_year = 127;
    for (const auto &d : dates) {
        t.tm_mon = d.month - 1;
        t.tm_mday = d.day;
        t.tm_wday = d.weekday;
        build_clock_texts(t);
        EXPECT_STREQ(date_text, d.text);
    }
}
