// menu_scenes.cpp -- the contact sheet's menu panels: the main menu, and the system overlay over it
#include "menu_scenes.h"

#include <string>

#include "app/artwork.h"
#include "app/display.h"
#include "dashboard.h"
#include "sheet_drawing.h"
#include "ui/hud.h"
#include "ui/menus.h"
#include "ui/overlay.h"

// The main menu's rows, as menus.cpp lists them; the pointer rests on one of them.
const char *const MENU_ROWS[] = {"Single Player", "Load Game Save", "Map Editor", "Credits"};
const int LIT_ROW = 1;
// The panel also shows a second, unlit button beside the corner one, and a gauge: the
// main menu has neither, so they stand where it leaves room.
const int UNLIT_BUTTON_X = 380;
const int SAMPLE_GAUGE_Y = 320;
const float SAMPLE_GAUGE_FILL = 0.7f;
// The HUD's gauge texts stand this far above their bars.
const int GAUGE_TEXT_RISE = ENERGY_BAR_Y - ENERGY_TEXT_Y;

// The middle pieces across an overlay button, as the overlay draws them.
const int PANEL_MIDDLE_PIECES = PANEL_INNER_W / PANEL_PIECE_SIZE;
const char *const OVERLAY_LABELS[] = {"Resume game", "Exit", "Save screenshot"};
const int LIT_OVERLAY_BUTTON = 1;
// The texts a running game fills in, and where the pointer stands: over the lit button.
const char VERSION_SAMPLE[] = "v1.0", DATE_SAMPLE[] = "06.12.2026", TIME_SAMPLE[] = "18:42:07";
const int POINTER_AT_X = 350, POINTER_AT_Y = 170;

Picture menu_scene(const MediaSet &m)
{
    Picture p = m.background;
    text(p, m.font, TITLE_X, TITLE_Y, GAME_NAME, TEXT_CENTER);
    int row = 0;
    for (const char *label : MENU_ROWS) {
        int y = MENU_LINE_HEIGHT * (MENU_FIRST_LINE + row);
        if (row == LIT_ROW)
            copy_into(p, m.bright_background, 0, y, VIEW_W, MENU_ROW_HEIGHT, 0, y);
        text(p, m.font, MENU_TEXT_X, y, label, TEXT_LEFT);
        row++;
    }
    corner_button(p, m, "Back", true);
    button(p, m, UNLIT_BUTTON_X, CORNER_BUTTON_Y, CORNER_BUTTON_W, CORNER_BUTTON_H, "Save", false);
    gauge(p, m, SAMPLE_GAUGE_Y, ENERGY_BAR_W, SAMPLE_GAUGE_FILL);
    text(p, m.font, GAUGE_TEXT_X, SAMPLE_GAUGE_Y - GAUGE_TEXT_RISE, "Energy 70", TEXT_LEFT);
    return p;
}

// Piece (column i, row j) of set s, `h` rows of it, with its corner at (dx, dy).
static void draw_piece(Picture &dst, const Picture &dash, int s, int i, int j, int dx, int dy,
                       int h)
{
    int sx = PANEL_SET_WIDTH * s + PANEL_PIECE_SIZE * i, sy = PANEL_PIECES_Y + PANEL_PIECE_SIZE * j;
    for (int v = 0; v < h; v++)
        for (int u = 0; u < PANEL_PIECE_SIZE; u++)
            blend(dst, dx + u, dy + v, get(dash, sx + u, sy + v), 1);
}

// The frame round the inner area at (x, y), in the order the overlay draws its pieces.
static void overlay_panel(Picture &dst, const Picture &dash, int x, int y, bool lit)
{
    const int TOP = 0, MIDDLE = 1, BOTTOM = 2, LEFT = 0, CENTRE = 1, RIGHT = 2;
    int s = lit ? 1 : 0, size = PANEL_PIECE_SIZE;
    int right = x + PANEL_INNER_W, below = y + PANEL_INNER_H;
    draw_piece(dst, dash, s, LEFT, TOP, x - size, y - size, size);
    draw_piece(dst, dash, s, LEFT, BOTTOM, x - size, below, size);
    draw_piece(dst, dash, s, RIGHT, TOP, right, y - size, size);
    draw_piece(dst, dash, s, RIGHT, BOTTOM, right, below, size);
    for (int i = 0; i < PANEL_MIDDLE_PIECES; i++) {
        draw_piece(dst, dash, s, CENTRE, BOTTOM, x + size * i, below, size);
        draw_piece(dst, dash, s, CENTRE, TOP, x + size * i, y - size, size);
    }
    draw_piece(dst, dash, s, RIGHT, MIDDLE, right, y, PANEL_INNER_H);
    draw_piece(dst, dash, s, LEFT, MIDDLE, x - size, y, PANEL_INNER_H);
    for (int i = 0; i < PANEL_MIDDLE_PIECES; i++)
        draw_piece(dst, dash, s, CENTRE, MIDDLE, x + size * i, y, PANEL_INNER_H);
}

static void bar(Picture &dst, const Picture &dash, int source_y, int y)
{
    for (int v = 0; v < OVERLAY_BAR_HEIGHT; v++)
        for (int u = 0; u < DASHBOARD_W; u++)
            blend(dst, u, y + v, get(dash, u, source_y + v), 1);
}

// Right-aligned texts end at the right margin whatever their length.
static void right_aligned_text(Picture &dst, const Picture &dash, int y, const std::string &s)
{
    int right = VIEW_W - OVERLAY_MARGIN;
    small_text(dst, dash, right - SMALL_TEXT_ADVANCE * (int)s.size(), y, s);
}

// The open overlay: both bars in place, the buttons at their resting centres.
Picture overlay_scene(const MediaSet &m)
{
    // The frozen screen behind the dashboard: the menu, softened and brightened a little.
    Picture p = menu_scene(m);
    for (Color &c : p.pixels)
        c = {c.r * 0.8f + 0.06f, c.g * 0.8f + 0.05f, c.b * 0.8f + 0.05f, 1};
    const Picture &d = m.dashboard;
    bar(p, d, TOP_BAR_SOURCE_Y, 0);
    small_text(p, d, OVERLAY_MARGIN, OVERLAY_TEXT_LINE_1, GAME_NAME);
    small_text(p, d, OVERLAY_MARGIN, OVERLAY_TEXT_LINE_2, VERSION_SAMPLE);
    right_aligned_text(p, d, OVERLAY_TEXT_LINE_1, DATE_SAMPLE);
    right_aligned_text(p, d, OVERLAY_TEXT_LINE_2, TIME_SAMPLE);
    int bar_top = VIEW_H - OVERLAY_BAR_HEIGHT;
    bar(p, d, BOTTOM_BAR_SOURCE_Y, bar_top);
    small_text(p, d, OVERLAY_MARGIN, bar_top - 1 + FOOTER_LINE_2_Y, WINDOW_CAPTION);
    int i = 0;
    for (const char *label : OVERLAY_LABELS) {
        int cy = VIEW_CENTER_Y - OVERLAY_BUTTON_RISE + OVERLAY_BUTTON_GAP * i;
        overlay_panel(p, d, VIEW_CENTER_X - BUTTON_HALF_W, cy - BUTTON_INNER_RISE,
                      i == LIT_OVERLAY_BUTTON);
        int n = (int)std::string(label).size();
        small_text(p, d, VIEW_CENTER_X - SMALL_TEXT_ADVANCE * n / 2, cy - OVERLAY_LABEL_RISE,
                   label);
        i++;
    }
    for (int v = 0; v < POINTER_RECT.h; v++)
        for (int u = 0; u < POINTER_RECT.w; u++)
            blend(p, POINTER_AT_X - POINTER_HOTSPOT_X + u, POINTER_AT_Y - POINTER_HOTSPOT_Y + v,
                  get(d, POINTER_RECT.x + u, POINTER_RECT.y + v), 1);
    return p;
}
