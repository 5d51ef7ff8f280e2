// notice.h -- the one-line notice near the top of every screen: what a save did, what failed
#pragma once

const int NOTICE_MS = 3000;  // how long a notice stays, in measured frame time
const int NOTICE_TEXT_SIZE = 128;
const int NOTICE_MAX_CHARS = 60;  // longer texts are cut with "..." to fit the screen
const int NOTICE_TOP = 8;         // top of the notice's box
const int NOTICE_PAD_X = 10;      // box margin around the text
const int NOTICE_BOX_H = 24;
const int NOTICE_TEXT_RISE = 1;  // glyph cells start this far below the box top

// Per frame
extern char notice_text[NOTICE_TEXT_SIZE];  // empty when no notice shows
extern int notice_ms_left;                  // counts down by each frame's length

// A notice of success; a failure is also written to stderr as one line; a
// save that worked also chimes.
void show_notice(const char *format, ...) __attribute__((format(printf, 1, 2)));
void report_saved(const char *format, ...) __attribute__((format(printf, 1, 2)));
void report_failure(const char *format, ...) __attribute__((format(printf, 1, 2)));
void clear_notice();
void draw_notice();
