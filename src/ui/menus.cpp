// menus.cpp -- the main menu and the credits
#include "ui/menus.h"

#include "app/artwork.h"
#include "app/display.h"
#include "game/world.h"
#include "ui/attract.h"
#include "ui/buttons.h"
#include "ui/coop.h"
#include "ui/options.h"
#include "ui/replay_menu.h"
#include "ui/save_notices.h"
#include "ui/screens.h"
#include "ui/text.h"

static void start_single_player()
{
    player_count = 1;
    game_mode = MODE_CLASSIC;
    screen_number = SCREEN_CHOOSE_MAP_TO_PLAY;
}

static void start_waves()
{
    player_count = 1;
    game_mode = MODE_WAVES;
    screen_number = SCREEN_CHOOSE_MAP_TO_PLAY;
}

static void start_coop()
{
    open_coop_screen();
}

static void choose_map_to_edit()
{
    screen_number = SCREEN_CHOOSE_MAP_TO_EDIT;
}

// Whatever goes wrong, the main menu stays and the player is told why.
static void resume_saved_game()
{
    load_game_with_notice();
}

static void show_options()
{
    open_options_screen(SCREEN_MAIN_MENU);
}

static void show_credits()
{
    screen_number = SCREEN_CREDITS;
}

// Nothing can be lost from the main menu: it quits at once.
static void quit_game()
{
    quit_requested = true;
}

// The main menu's rows, top to bottom, each with what a click does.
struct MenuEntry {
    const char *label;
    void (*action)();
};

static const MenuEntry main_menu_entries[] = {
    {"Single Player", start_single_player},
    {"Load Game Save", resume_saved_game},  // stays on this menu when there is no save
    {"Map Editor", choose_map_to_edit},
    {"Credits", show_credits},
    {"Waves", start_waves},
    {"Co-op", start_coop},
    {"Options", show_options},
    {"Replays", open_replay_menu},
    {"Quit", quit_game},
};

static const char *const credits_lines[] = {
    "Design, programming", "and graphics by Tobrin.", "www.tobrin.example", "",
    "Music by Selvane.",   "www.selvane.example",
};

void draw_menu_background()
{
    blit_at(0, 0, background_image, display_surface, nullptr);
    menu_line = MENU_FIRST_LINE;
}

void draw_title(bool with_edition)
{
    draw_text(TITLE_X, TITLE_Y, GAME_NAME, TEXT_CENTER);
    if (with_edition)
        draw_text(TITLE_X, EDITION_Y, EDITION_TEXT, TEXT_CENTER);
}

// Every row is drawn in every frame, also in the frame of a click.
void main_menu_screen()
{
    draw_menu_background();
    draw_title(false);
    for (const MenuEntry &entry : main_menu_entries) {
        if (draw_menu_row(entry.label))
            entry.action();
    }
    if (screen_number == SCREEN_MAIN_MENU)
        count_attract_idle();
}

// Plain lines without highlight; the empty line still takes its row.
void credits_screen()
{
    draw_menu_background();
    draw_title(true);
    for (const char *line : credits_lines) {
        draw_text(MENU_TEXT_X, MENU_LINE_HEIGHT * menu_line, line, TEXT_LEFT);
        menu_line++;
    }
    if (draw_back_button())
        screen_number = SCREEN_MAIN_MENU;
}
