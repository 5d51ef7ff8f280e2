// options.cpp -- the options screen: loudness, the window, the pointer, the colour depth, the way to the controls
#include "ui/options.h"

#include <SDL.h>

#include <cstdio>
#include <cstring>

#include "app/display.h"
#include "app/settings.h"
#include "app/settings_save.h"
#include "app/sound.h"
#include "app/window_scale.h"
#include "ui/buttons.h"
#include "ui/menus.h"
#include "ui/notice.h"
#include "ui/screens.h"
#include "ui/text.h"

int options_return_screen = SCREEN_MAIN_MENU;

// The colour depths offered, in the order a click steps through them.
static const int OFFERED_DEPTHS[] = {0, 16, 32};

void open_options_screen(int return_screen)
{
    options_return_screen = return_screen;
    screen_number = SCREEN_OPTIONS;
}

int draw_stepper_row(const char *label, const char *value)
{
    int y = MENU_LINE_HEIGHT * menu_line;
    draw_text(MENU_TEXT_X, y, label, TEXT_LEFT);
    int step = 0;
    if (draw_button(OPTION_MINUS_X, y + OPTION_BUTTON_DROP, OPTION_BUTTON_W, OPTION_BUTTON_H, "-"))
        step = -1;
    draw_text(OPTION_VALUE_X, y, value, TEXT_CENTER);
    if (draw_button(OPTION_PLUS_X, y + OPTION_BUTTON_DROP, OPTION_BUTTON_W, OPTION_BUTTON_H, "+"))
        step = 1;
    menu_line++;
    return step;
}

// A volume row; the new loudness is heard at once. Effects raised from 0
// sound the click that silence swallowed.
static void volume_row(const char *label, int &volume, void (*apply)(int old_volume),
                       bool replay_click)
{
    char value[OPTION_TEXT_SIZE];
    snprintf(value, sizeof value, "%d", volume);
    int step = draw_stepper_row(label, value);
    if (step == 0)
        return;
    int old_volume = volume;
    volume = clamp_volume(volume + step * VOLUME_STEP);
    apply(old_volume);
    if (replay_click && old_volume == 0 && volume > 0)
        play_effect(EFFECT_CLICK, FULL_VOLUME);
}

// The window opens again as Alt+Enter opens it, at the depth it has now.
static void reopen_window(bool fullscreen)
{
    int depth = display_surface ? display_surface->format->BitsPerPixel : 0;
    if (!open_window(fullscreen, depth) && !open_window(window_fullscreen, depth))
        report_failure("The screen refused that mode: %s", SDL_GetError());
}

static void fullscreen_row()
{
    if (draw_menu_row(window_fullscreen ? "Full screen: On" : "Full screen: Off")) {
        reopen_window(!window_fullscreen);
        setting_fullscreen = window_fullscreen;
    }
}

// Fit, then 1x, 2x ... as far as a window fits the desktop, then Fit again.
// In full screen the picture always fits; the choice waits for the window.
static void scale_row()
{
    int largest = choose_window_scale(desktop_w, desktop_h, SCALE_FIT, false);
    char label[OPTION_TEXT_SIZE];
    if (setting_scale == SCALE_FIT)
        snprintf(label, sizeof label, "Window scale: Fit");
    else
        snprintf(label, sizeof label, "Window scale: %dx", setting_scale);
    if (!draw_menu_row(label))
        return;
    setting_scale = setting_scale == SCALE_FIT ? 1 : setting_scale + 1;
    if (setting_scale > largest)
        setting_scale = SCALE_FIT;
    if (!window_fullscreen)
        reopen_window(false);
}

static void pointer_row()
{
    if (draw_menu_row(setting_show_cursor ? "System pointer: On" : "System pointer: Off")) {
        setting_show_cursor = !setting_show_cursor;
        SDL_ShowCursor(setting_show_cursor ? SDL_ENABLE : SDL_DISABLE);
    }
}

static void attract_row()
{
    if (draw_menu_row(setting_attract ? "Title screen replay: On" : "Title screen replay: Off"))
        setting_attract = !setting_attract;
}

// The window keeps its depth until the game starts again.
static void depth_row()
{
    char label[OPTION_TEXT_SIZE];
    if (setting_color_depth == 0)
        snprintf(label, sizeof label, "Colour depth: Desktop, applies at the next start");
    else
        snprintf(label, sizeof label, "Colour depth: %d, applies at the next start",
                 setting_color_depth);
    if (!draw_menu_row(label))
        return;
    int count = (int)(sizeof OFFERED_DEPTHS / sizeof OFFERED_DEPTHS[0]), next = 0;
    for (int i = 0; i < count; i++)
        if (OFFERED_DEPTHS[i] == setting_color_depth)
            next = (i + 1) % count;
    setting_color_depth = OFFERED_DEPTHS[next];
}

void save_settings_with_notice()
{
    int error = save_settings();
    if (error)
        report_failure("Could not save %s: %s", SETTINGS_FILE, strerror(error));
}

void options_screen()
{
    draw_menu_background();
    draw_title(false);
    volume_row("Music volume", setting_music_volume, apply_music_volume, false);
    volume_row("Effects volume", setting_effects_volume, apply_effects_volume, true);
    fullscreen_row();
    scale_row();
    pointer_row();
    attract_row();
    depth_row();
    if (draw_menu_row("Controls"))
        screen_number = SCREEN_CONTROLS;
    if (draw_back_button()) {
        save_settings_with_notice();
        screen_number = options_return_screen;
    }
}
