// frame_clock_test.cpp -- frame pacing arithmetic and the clock texts
#include "app/frame_clock.h"
#include "app/main_loop.h"
#include "support.h"

// Each row is a frame ending at `now`: the wait it is given and the frame it measured.
TEST(FramePacing, ShortFramesWaitAndOversleepIsChargedToTheNextFrame)
{
    const struct {
        Uint32 now;
        int wait, frame_ms;
        float fps;
    } frames[] = {{1040, 0, 40, 25.0f},   // a long frame waits for nothing
                  {1043, 13, 16, 62.5f},  // 3 ms of work: wait 13
                  {1065, 7, 16, 62.5f},   // the delay returned at 1063, 7 ms late; 2 ms of work
                  {1090, 0, 18, 1000.0f / 18}};
    last_frame_tick = 1000;
    for (const auto &f : frames) {
        EXPECT_EQ(advance_frame_clock(f.now), f.wait) << f.now;
        EXPECT_EQ(frame_ms, f.frame_ms) << f.now;
        EXPECT_FLOAT_EQ(frames_per_second, f.fps) << f.now;
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
    const struct {
        int hour, minute, second;
        const char *text;
    } times[] = {{0, 0, 0, "12:00:00 AM"},
                 {12, 0, 0, "12:00:00 PM"},
                 {13, 5, 9, "1:05:09 PM"},
                 {9, 30, 0, "9:30:00 AM"},
                 {23, 10, 10, "11:10:10 PM"}};
    struct tm t = {};
    for (const auto &c : times) {
        t.tm_hour = c.hour, t.tm_min = c.minute, t.tm_sec = c.second;
        build_clock_texts(t);
        EXPECT_STREQ(time_text, c.text);
    }
    const struct {
        int month, day, weekday;
        const char *text;
    } dates[] = {
        {3, 1, 1, "Monday March 1st 2027"},       {12, 2, 4, "Thursday December 2nd 2027"},
        {1, 3, 0, "Sunday January 3rd 2027"},     {1, 11, 6, "Saturday January 11th 2027"},
        {1, 21, 6, "Saturday January 21st 2027"}, {1, 22, 6, "Saturday January 22nd 2027"}};
    for (const auto &d : dates) {
        t.tm_year = 127, t.tm_mon = d.month - 1, t.tm_mday = d.day, t.tm_wday = d.weekday;
        build_clock_texts(t);
        EXPECT_STREQ(date_text, d.text);
    }
}
