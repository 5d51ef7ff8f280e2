// notice.cpp -- the one-line notice near the top of every screen: what a save did, what failed
#include "ui/notice.h"

#include <SDL.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

#include "app/display.h"
#include "app/frame_clock.h"
#include "app/sound.h"
#include "ui/overlay.h"

char notice_text[NOTICE_TEXT_SIZE];
int notice_ms_left = 0;

static void set_notice(const char *format, va_list args)
{
    vsnprintf(notice_text, sizeof notice_text, format, args);
    if (strlen(notice_text) > (size_t)NOTICE_MAX_CHARS)
        strcpy(notice_text + NOTICE_MAX_CHARS - 3, "...");
    notice_ms_left = NOTICE_MS;
}

void show_notice(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    set_notice(format, args);
    va_end(args);
}

void report_saved(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    set_notice(format, args);
    va_end(args);
    play_effect(EFFECT_SAVED, FULL_VOLUME);
}

void report_failure(const char *format, ...)
{
    va_list args;
    va_start(args, format);
    set_notice(format, args);
    va_end(args);
    fprintf(stderr, "rotwalk: %s\n", notice_text);
}

void clear_notice()
{
    notice_text[0] = '\0';
    notice_ms_left = 0;
}

// Drawn straight onto the finished frame, after the screen and the overlay,
// so no screen and no screenshot ever contains it.
void draw_notice()
{
    if (notice_ms_left <= 0 || !notice_text[0] || !display_surface)
        return;
    int width = SMALL_TEXT_ADVANCE * (int)strlen(notice_text) + 2 * NOTICE_PAD_X;
    int left = (display_surface->w - width) / 2;
    SDL_Rect box = make_rect(left, NOTICE_TOP, width, NOTICE_BOX_H);
    SDL_FillRect(display_surface, &box, SDL_MapRGB(display_surface->format, 0, 0, 0));
    draw_small_text_centred(display_surface->w / 2, NOTICE_TOP + NOTICE_TEXT_RISE, notice_text);
    notice_ms_left -= frame_ms;
    if (notice_ms_left <= 0)
        clear_notice();
}
