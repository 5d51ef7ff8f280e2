// game_menu.cpp -- the pause screen of a game: the frozen scene, resume, save, exit, options
#include "ui/game_menu.h"

#include "app/pads.h"
#include "game/sprites.h"
#include "game/view.h"
#include "game/world.h"
#include "maps/map_file.h"
#include "ui/buttons.h"
#include "ui/editor.h"
#include "ui/hud.h"
#include "ui/options.h"
#include "ui/save_notices.h"
#include "ui/screens.h"

static bool game_menu_button(int y, const char *label)
{
    return draw_button(GAME_MENU_BUTTON_X, y, GAME_MENU_BUTTON_W, GAME_MENU_BUTTON_H, label);
}

// The last game frame's view is drawn over again, so the scene stands still
// with its heads-up display while nothing of the world moves.
void game_menu_screen()
{
    draw_zombies();
    draw_players();
    draw_wall_overlays();
    composite_game_view();
    draw_hud();
    if (game_menu_button(RESUME_Y, "Resume") || any_pad_pressed(PAD_START))
        screen_number = SCREEN_GAME;
    if (game_menu_button(SAVE_Y, "Save")) {
        save_game_with_notice();
        screen_number = SCREEN_GAME;
    }
    if (game_menu_button(EXIT_Y, playtest_active ? "Editor" : "Main menu")) {
        end_game();
        if (playtest_active)
            return_to_editor();
        else
            screen_number = SCREEN_MAIN_MENU;
    }
    // Drawn last and only while this menu stands, so a click above that
    // ended the game leaves no button for the same frame.
    if (screen_number == SCREEN_GAME_MENU && game_menu_button(OPTIONS_Y, "Options"))
        open_options_screen(SCREEN_GAME_MENU);
}
