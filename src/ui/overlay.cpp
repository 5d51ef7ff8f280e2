// overlay.cpp -- the system overlay's dashboard: bars, clock, small font and its three buttons
#include "ui/overlay.h"

#include <cstdio>
#include <cstring>

#include "app/artwork.h"
#include "app/backdrop.h"
#include "app/display.h"
#include "app/frame_clock.h"
#include "app/input.h"
#include "maps/edit_history.h"
#include "maps/map_file.h"
#include "maps/replay_tape.h"
#include "ui/buttons.h"
#include "ui/focus.h"
#include "ui/replay_view.h"
#include "ui/screens.h"
#include "ui/screenshot.h"

SDL_Rect small_glyph_rects[SMALL_GLYPH_COUNT];
SDL_Rect panel_piece_rects[PANEL_SETS][3][3];
SDL_Rect top_bar_rect;
SDL_Rect bottom_bar_rect;
char footer_line_1[FOOTER_LINE_SIZE];
char footer_line_2[FOOTER_LINE_SIZE];
bool exit_asked = false;

const SDL_Rect TOP_BAR_RECT = {0, TOP_BAR_SOURCE_Y, VIEW_W, OVERLAY_BAR_HEIGHT};
const SDL_Rect BOTTOM_BAR_RECT = {0, BOTTOM_BAR_SOURCE_Y, VIEW_W, OVERLAY_BAR_HEIGHT};
const int BUTTON_HOVER_LEFT = 164;  // hover box, exclusive on every side
const int BUTTON_HOVER_RIGHT = 163;
const int BUTTON_HOVER_HALF_H = 21;
const int PANEL_MIDDLE_PIECES = PANEL_INNER_W / PANEL_PIECE_SIZE;  // 15 across the inner area
const int TOP = 0, MIDDLE = 1, BOTTOM = 2;                         // piece rows
const int LEFT = 0, CENTRE = 1, RIGHT = 2;                         // piece columns

static void fill_overlay_rects()
{
    for (int k = 0; k < SMALL_GLYPH_COUNT; k++)
        small_glyph_rects[k] = make_rect(SMALL_GLYPH_SIZE * (k % SMALL_GLYPH_COLUMNS),
                                         SMALL_GLYPH_SIZE * (k / SMALL_GLYPH_COLUMNS),
                                         SMALL_GLYPH_SIZE, SMALL_GLYPH_SIZE);
    for (int s = 0; s < PANEL_SETS; s++)
        for (int j = 0; j < 3; j++)
            for (int i = 0; i < 3; i++)
                panel_piece_rects[s][j][i] = make_rect(PANEL_SET_WIDTH * s + PANEL_PIECE_SIZE * i,
                                                       PANEL_PIECES_Y + PANEL_PIECE_SIZE * j,
                                                       PANEL_PIECE_SIZE, PANEL_PIECE_SIZE);
}

void init_overlay()
{
    load_dashboard();
    fill_overlay_rects();
    init_backdrop();
    top_bar_rect = TOP_BAR_RECT;
    bottom_bar_rect = BOTTOM_BAR_RECT;
    snprintf(footer_line_1, sizeof footer_line_1, "%s", "");
    snprintf(footer_line_2, sizeof footer_line_2, "%s", WINDOW_CAPTION);
}

// The space has a cell like any other character; characters without a
// cell draw nothing but still take their place.
void draw_small_text(int x, int y, const char *text)
{
    for (int i = 0; text[i]; i++) {
        int code = (unsigned char)text[i];
        if (code < FIRST_SMALL_GLYPH || code > LAST_SMALL_GLYPH)
            continue;
        blit_at((Sint16)(x - SMALL_TEXT_SHIFT + SMALL_TEXT_ADVANCE * i), (Sint16)y, dashboard_image,
                display_surface, &small_glyph_rects[code - FIRST_SMALL_GLYPH]);
    }
}

void draw_small_text_centred(int cx, int y, const char *text)
{
    draw_small_text(cx - SMALL_TEXT_ADVANCE * (int)strlen(text) / 2, y, text);
}

// "v" and the number with its trailing zeros trimmed, one kept after the
// point: 1.0 shows as v1.0, 1.25 as v1.25.
void format_version_text(char *text, int size, float version)
{
    snprintf(text, (size_t)size, "%s%f", "v", (double)version);
    size_t n = strlen(text);
    while (n > 2 && text[n - 2] != '.' && text[n - 1] == '0')
        text[--n] = '\0';
}

static void draw_piece(int set, int row, int column, int x, int y, int height)
{
    SDL_Rect piece = panel_piece_rects[set][row][column];
    piece.h = (Uint16)height;
    blit_at((Sint16)x, (Sint16)y, dashboard_image, display_surface, &piece);
}

// A 340 by 55 frame around the 300 by 15 inner area at (x, y); the middle
// row of pieces is cut to the inner area's height.
static void draw_overlay_panel(int x, int y, bool highlighted)
{
    int s = highlighted ? 1 : 0;
    int size = PANEL_PIECE_SIZE;
    int right = x + PANEL_INNER_W;
    int below = y + PANEL_INNER_H;
    draw_piece(s, TOP, LEFT, x - size, y - size, size);
    draw_piece(s, BOTTOM, LEFT, x - size, below, size);
    draw_piece(s, TOP, RIGHT, right, y - size, size);
    draw_piece(s, BOTTOM, RIGHT, right, below, size);
    for (int i = 0; i < PANEL_MIDDLE_PIECES; i++)
        draw_piece(s, BOTTOM, CENTRE, x + size * i, below, size);
    for (int i = 0; i < PANEL_MIDDLE_PIECES; i++)
        draw_piece(s, TOP, CENTRE, x + size * i, y - size, size);
    draw_piece(s, MIDDLE, RIGHT, right, y, PANEL_INNER_H);
    draw_piece(s, MIDDLE, LEFT, x - size, y, PANEL_INNER_H);
    for (int i = 0; i < PANEL_MIDDLE_PIECES; i++)
        draw_piece(s, MIDDLE, CENTRE, x + size * i, y, PANEL_INNER_H);
}

bool overlay_button(const char *label, int cx, int cy)
{
    bool hovered = cx - BUTTON_HOVER_LEFT < mouse_x[0] && mouse_x[0] < cx + BUTTON_HOVER_RIGHT &&
                   cy - BUTTON_HOVER_HALF_H < mouse_y[0] && mouse_y[0] < cy + BUTTON_HOVER_HALF_H;
    bool lit = hovered;
    bool picked = focus_control(hovered, lit);
    bool click = clicked((hovered && mouse_button_state[SDL_BUTTON_LEFT] == KEY_PRESSED) || picked);
    draw_overlay_panel(cx - BUTTON_HALF_W, cy - BUTTON_INNER_RISE, lit);
    draw_small_text_centred(cx, cy - OVERLAY_LABEL_RISE, label);
    return click;
}

// Right-aligned texts end at the right margin whatever their length.
static void draw_right_aligned(int y, const char *text)
{
    int right = (int)(display_width - (float)OVERLAY_MARGIN);
    draw_small_text(right - SMALL_TEXT_ADVANCE * (int)strlen(text), y, text);
}

void draw_overlay()
{
    // The bars stand OVERLAY_SLIDE pixels off screen when closed, 0 when open.
    double open_fraction = (double)overlay_level * OVERLAY_LEVEL_SCALE;
    int slide = (int)((1.0 - open_fraction) * OVERLAY_SLIDE);
    blit_at(0, (Sint16)-slide, dashboard_image, display_surface, &top_bar_rect);
    draw_small_text(OVERLAY_MARGIN, OVERLAY_TEXT_LINE_1 - slide, game_name);
    char version_text[VERSION_TEXT_SIZE];
    format_version_text(version_text, sizeof version_text, version_number);
    draw_small_text(OVERLAY_MARGIN, OVERLAY_TEXT_LINE_2 - slide, version_text);
    draw_right_aligned(OVERLAY_TEXT_LINE_1 - slide, date_text);
    draw_right_aligned(OVERLAY_TEXT_LINE_2 - slide, time_text);

    float bar_top = display_height - (float)OVERLAY_BAR_HEIGHT;
    blit_at(0, (Sint16)(int)(bar_top + (float)slide), dashboard_image, display_surface,
            &bottom_bar_rect);
    float footer_top = bar_top - 1.0f + (float)slide;
    draw_small_text(OVERLAY_MARGIN, (int)(footer_top + (float)FOOTER_LINE_1_Y), footer_line_1);
    draw_small_text(OVERLAY_MARGIN, (int)(footer_top + (float)FOOTER_LINE_2_Y), footer_line_2);
}

// A game in progress (playing or paused) loses what was played since its
// last save; the editor loses its unsaved changes.
bool exit_would_lose(char *question, int size)
{
    if (screen_number == SCREEN_GAME || screen_number == SCREEN_GAME_MENU) {
        snprintf(question, (size_t)size, "Quit? The game since the last save will be lost.");
        return true;
    }
    if (screen_number == SCREEN_EDITOR && has_unsaved_edits()) {
        snprintf(question, (size_t)size, "Quit? Unsaved changes to %.20s will be lost.", map_path);
        return true;
    }
    return false;
}

// "Exit" quits at once when nothing would be lost; otherwise it asks once,
// below the buttons, and any other button, or closing the overlay, takes
// the question back.
static void exit_pressed()
{
    char question[EXIT_QUESTION_SIZE];
    if (playing_replay) {  // Exit ends the replay, not the game
        stop_replay();
        overlay_open = false;
        exit_asked = false;
        return;
    }
    if (exit_asked || !exit_would_lose(question, sizeof question))
        quit_requested = true;
    else
        exit_asked = true;
}

static void draw_exit_question(int y)
{
    char question[EXIT_QUESTION_SIZE];
    if (!exit_asked || !exit_would_lose(question, sizeof question))
        return;
    int cx = (int)(display_width * 0.5);
    draw_small_text_centred(cx, y, question);
    draw_small_text_centred(cx, y + EXIT_QUESTION_GAP, "Press Exit again");
}

// The buttons rise from below the screen (centre 595) to their places
// (115) with the level, and answer clicks all along the way.
void run_overlay_buttons()
{
    if (!overlay_open)
        exit_asked = false;
    double f = (double)overlay_level * OVERLAY_LEVEL_SCALE;
    int cx = (int)(display_width * 0.5);
    int closed_y = (int)(1.5 * display_height - OVERLAY_BUTTON_RISE);
    int open_y = (int)(0.5 * display_height - OVERLAY_BUTTON_RISE);
    int base = (int)((1.0 - f) * closed_y + f * open_y);
    if (overlay_button("Resume game", cx, base)) {
        overlay_open = false;
        exit_asked = false;
    }
    if (overlay_button("Exit", cx, base + OVERLAY_BUTTON_GAP))
        exit_pressed();
    if (overlay_button("Save screenshot", cx, base + 2 * OVERLAY_BUTTON_GAP)) {
        exit_asked = false;
        save_screenshot();
    }
    draw_exit_question(base + 3 * OVERLAY_BUTTON_GAP - OVERLAY_LABEL_RISE);
}
