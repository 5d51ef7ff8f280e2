// buttons.cpp -- box buttons, panels, gauges and full-width menu rows
#include "ui/buttons.h"

#include "app/display.h"
#include "app/input.h"
#include "app/sound.h"
#include "ui/focus.h"
#include "ui/text.h"

int menu_line = MENU_FIRST_LINE;

static void draw_frame(int x, int y, int w, int h, bool bright)
{
    SDL_Rect frame = {(Sint16)x, (Sint16)y, (Uint16)w, (Uint16)h};
    SDL_FillRect(display_surface, &frame, SDL_MapRGB(display_surface->format, 0, 0, 0));
    copy_background_area(bright, x + FRAME_THICKNESS, y + FRAME_THICKNESS, w - 2 * FRAME_THICKNESS,
                         h - 2 * FRAME_THICKNESS);
}

// Strict on all sides: the left column and top row of the frame do not
// count, the right column and bottom row do.
static bool box_hovered(int x, int y, int w, int h)
{
    return x < mouse_x[0] && mouse_x[0] < x + w && y < mouse_y[0] && mouse_y[0] < y + h;
}

bool clicked(bool click)
{
    if (click)
        play_effect(EFFECT_CLICK, FULL_VOLUME);
    return click;
}

// Lit as the mouse or the keyboard has it; `picked` tells a pick by the keyboard.
static bool draw_box_button(int x, int y, int w, int h, const char *label, bool &picked)
{
    bool hovered = box_hovered(x, y, w, h), lit = hovered;
    picked = focus_control(hovered, lit);
    draw_frame(x, y, w, h, lit);
    draw_text(x + w / 2, y - BUTTON_LABEL_RISE, label, TEXT_CENTER);
    return hovered;
}

// Clicked only in the frame in which the left button went down, or picked
// by the keyboard; a click is heard.
bool draw_button(int x, int y, int w, int h, const char *label)
{
    bool picked;
    bool hovered = draw_box_button(x, y, w, h, label, picked);
    return clicked((hovered && mouse_button_state[SDL_BUTTON_LEFT] == KEY_PRESSED) || picked);
}

// Clicked as draw_button is, and lit also while `on`: the editor's tools.
bool draw_toggle_button(int x, int y, int w, int h, const char *label, bool on)
{
    bool hovered = box_hovered(x, y, w, h), lit = hovered;
    bool picked = focus_control(hovered, lit);
    draw_frame(x, y, w, h, lit || on);
    draw_text(x + w / 2, y - BUTTON_LABEL_RISE, label, TEXT_CENTER);
    return clicked((hovered && mouse_button_state[SDL_BUTTON_LEFT] == KEY_PRESSED) || picked);
}

// Reports every frame while the left button is down over it (the zoom buttons).
bool draw_hold_button(int x, int y, int w, int h, const char *label)
{
    bool picked;
    bool hovered = draw_box_button(x, y, w, h, label, picked);
    return (hovered && mouse_button_state[SDL_BUTTON_LEFT] != KEY_UP) || picked;
}

bool draw_corner_button(const char *label)
{
    return draw_button(CORNER_BUTTON_X, CORNER_BUTTON_Y, CORNER_BUTTON_W, CORNER_BUTTON_H, label);
}

// "Back" in the corner, clicked or by a pad's B.
bool draw_back_button()
{
    return draw_corner_button("Back") || clicked(back_pressed());
}

void draw_panel(int x, int y, int w, int h)
{
    draw_frame(x, y, w, h, false);
}

// The bright part is not clamped to the frame: a fraction above 1 runs past
// it, as far as the display's width.
void draw_bar(int y, int width, float fraction)
{
    draw_panel(BAR_LEFT, y, width, BAR_HEIGHT);
    float product = (float)width * fraction;
    int filled = product > 0.0f ? (product < (float)VIEW_W ? (int)product : VIEW_W) : 0;
    filled -= 2 * FRAME_THICKNESS;
    if (filled > 0)
        copy_background_area(true, BAR_LEFT + FRAME_THICKNESS, y + FRAME_THICKNESS, filled,
                             BAR_HEIGHT - 2 * FRAME_THICKNESS);
}

// A row spans the whole width; hover bands of neighbouring rows leave a gap,
// so at most one row is ever lit.
bool draw_menu_row(const char *label, bool &lit)
{
    int y = MENU_LINE_HEIGHT * menu_line;
    bool hovered = y < mouse_y[0] && mouse_y[0] < y + MENU_ROW_HEIGHT;
    lit = hovered;
    bool picked = focus_control(hovered, lit);
    if (lit)
        copy_background_area(true, 0, y, VIEW_W, MENU_ROW_HEIGHT);
    draw_text(MENU_TEXT_X, y, label, TEXT_LEFT);
    menu_line++;
    return clicked((hovered && mouse_button_state[SDL_BUTTON_LEFT] == KEY_PRESSED) || picked);
}

bool draw_menu_row(const char *label)
{
    bool lit;
    return draw_menu_row(label, lit);
}
