// frame_clock.cpp -- frame pacing, the measured frame rate and the clock texts
#include "app/frame_clock.h"

#include <cstdio>

Uint32 last_frame_tick = 0;
int frame_ms = 0;
float frames_per_second = 0.0f;
char date_text[CLOCK_TEXT_SIZE];
char time_text[CLOCK_TEXT_SIZE];
int scripted_frame_ms = 0;

static const char *const weekday_names[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                             "Thursday", "Friday", "Saturday"};

static const char *const month_names[12] = {"January",   "February", "March",    "April",
                                            "May",       "June",     "July",     "August",
                                            "September", "October",  "November", "December"};

static const char *const day_ordinals[32] = {
    "",     "1st",  "2nd",  "3rd",  "4th",  "5th",  "6th",  "7th",  "8th",  "9th",  "10th",
    "11th", "12th", "13th", "14th", "15th", "16th", "17th", "18th", "19th", "20th", "21st",
    "22nd", "23rd", "24th", "25th", "26th", "27th", "28th", "29th", "30th", "31st"};

const int NOON_HOUR = 12;

void pace_frame()
{
    // A scripted run must not depend on the machine's speed or the time of
    // day: its frames all last the same, and the clock texts stay as they are.
    if (scripted_frame_ms != 0) {
        advance_frame_clock(last_frame_tick + (Uint32)scripted_frame_ms);
        return;
    }
    int wait_ms = advance_frame_clock(SDL_GetTicks());
    if (wait_ms > 0)
        SDL_Delay((Uint32)wait_ms);
    time_t now = time(nullptr);
    struct tm local;
    if (localtime_r(&now, &local))
        build_clock_texts(local);
}

// Measures the frame that ends at now_ms and returns how long to sleep to
// make it last MIN_FRAME_MS. The next frame is measured from when this one
// was due to end, so an oversleep shortens the next frame's wait.
int advance_frame_clock(Uint32 now_ms)
{
    frame_ms = (int)(now_ms - last_frame_tick);
    // A clock behind the last frame (SDL started again) starts the measure
    // afresh: sleeping the difference would freeze the game.
    if (frame_ms < 0) {
        last_frame_tick = now_ms;
        frame_ms = 0;
    }
    int wait_ms = 0;
    if (frame_ms < MIN_FRAME_MS) {
        wait_ms = MIN_FRAME_MS - frame_ms;
        frame_ms = MIN_FRAME_MS;
    }
    last_frame_tick += (Uint32)frame_ms;
    frames_per_second = (float)(1000.0 / frame_ms);
    return wait_ms;
}

static const char *name_or_blank(const char *const *names, int count, int index)
{
    return index >= 0 && index < count ? names[index] : "";
}

void build_clock_texts(const struct tm &local)
{
    snprintf(date_text, sizeof date_text, "%s %s %s %d",
             name_or_blank(weekday_names, 7, local.tm_wday),
             name_or_blank(month_names, 12, local.tm_mon),
             name_or_blank(day_ordinals, 32, local.tm_mday), local.tm_year + 1900);

    // 12-hour clock: hour 0 reads 12 AM, 12 reads 12 PM, 13 reads 1 PM.
    int hour = local.tm_hour;
    if (hour > NOON_HOUR)
        hour -= NOON_HOUR;
    else if (hour == 0)
        hour = NOON_HOUR;
    snprintf(time_text, sizeof time_text, "%d:%s%d:%s%d%s", hour, local.tm_min < 10 ? "0" : "",
             local.tm_min, local.tm_sec < 10 ? "0" : "", local.tm_sec,
             local.tm_hour < NOON_HOUR ? " AM" : " PM");
}
