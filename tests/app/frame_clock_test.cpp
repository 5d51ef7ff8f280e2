// frame_clock_test.cpp -- frame pacing arithmetic, the speed factor and the clock texts
#include "app/frame_clock.h"
#include "app/main_loop.h"
#include "support.h"

static struct tm local_time(int year, int month, int day, int weekday, int hour, int minute,
                            int second)
{
    struct tm t = {};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_wday = weekday;
    t.tm_hour = hour;
    t.tm_min = minute;
    t.tm_sec = second;
    return t;
}

TEST(FramePacing, ShortFramesWaitAndOversleepIsChargedToTheNextFrame)
{
    last_frame_tick = 1000;
    EXPECT_EQ(advance_frame_clock(1040), 0);
    EXPECT_EQ(frame_ms, 40);
    EXPECT_FLOAT_EQ(frames_per_second, 25.0f);
    EXPECT_EQ(last_frame_tick, 1040u);

    EXPECT_EQ(advance_frame_clock(1043), 13);
    EXPECT_EQ(frame_ms, 16);
    EXPECT_FLOAT_EQ(frames_per_second, 62.5f);
    EXPECT_EQ(last_frame_tick, 1056u);

    // The delay returned at 1063, 7 ms late; the next frame's work took 2 ms.
    EXPECT_EQ(advance_frame_clock(1065), 7);
    EXPECT_EQ(last_frame_tick, 1072u);
    // 16 ms late: no wait at all.
    EXPECT_EQ(advance_frame_clock(1090), 0);
    EXPECT_EQ(frame_ms, 18);
}

TEST(FramePacing, TheTickCounterWrappingAroundStillMeasuresTheFrame)
{
    last_frame_tick = 0xFFFFFFF0u;
    EXPECT_EQ(advance_frame_clock(0x00000010u), 0);
    EXPECT_EQ(frame_ms, 32);
}

TEST(SpeedFactor, IsThreeHundredthsOfTheFrameLengthWithinInclusiveBounds)
{
    EXPECT_FLOAT_EQ(compute_speed_factor(0.0f), 2.0f);  // the very first frame
    const int lengths[] = {16, 33, 66, 67, 500};
    const float factors[] = {0.48f, 0.99f, 1.98f, 2.0f, 2.0f};
    for (int i = 0; i < 5; i++) {
        last_frame_tick = 0;
        advance_frame_clock((Uint32)lengths[i]);
        EXPECT_NEAR(compute_speed_factor(frames_per_second), factors[i], 1e-6) << lengths[i];
    }
    EXPECT_EQ(compute_speed_factor(15.0f), 2.0f);
    EXPECT_EQ(compute_speed_factor(150.0f), 0.2f);   // exactly the lower bound
    EXPECT_EQ(compute_speed_factor(1000.0f), 0.2f);  // below it, clamped
    EXPECT_EQ(compute_speed_factor(30.0f), 1.0f);
}

TEST(ClockText, TwelveHourClockWithoutLeadingZeroOnTheHour)
{
    const struct {
        int hour, minute, second;
        const char *text;
    } cases[] = {
        {0, 0, 0, "12:00:00 AM"}, {12, 0, 0, "12:00:00 PM"}, {13, 5, 9, "1:05:09 PM"},
        {9, 30, 0, "9:30:00 AM"}, {11, 59, 59, "11:59:59 AM"}, {23, 10, 10, "11:10:10 PM"},
    };
    for (const auto &c : cases) {
        build_clock_texts(local_time(2026, 12, 6, 0, c.hour, c.minute, c.second));
        EXPECT_STREQ(time_text, c.text);
    }
}

TEST(ClockText, DateWithWeekdayMonthOrdinalAndYear)
{
    build_clock_texts(local_time(2027, 3, 1, 1, 8, 0, 0));
    EXPECT_STREQ(date_text, "Monday March 1st 2027");
    build_clock_texts(local_time(2026, 12, 6, 0, 8, 0, 0));
    EXPECT_STREQ(date_text, "Sunday December 6th 2026");
    const struct {
        int day;
        const char *text;
    } ordinals[] = {{2, "Saturday January 2nd 2027"}, {3, "Saturday January 3rd 2027"},
                    {11, "Saturday January 11th 2027"}, {21, "Saturday January 21st 2027"},
                    {22, "Saturday January 22nd 2027"}, {31, "Saturday January 31st 2027"}};
    for (const auto &o : ordinals) {
        build_clock_texts(local_time(2027, 1, o.day, 6, 0, 0, 0));
        EXPECT_STREQ(date_text, o.text);
    }
}
