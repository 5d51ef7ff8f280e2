// save_notices.cpp -- saving and resuming as the player sees them: the file work below, the notice here
#include "ui/save_notices.h"

#include <cstring>

#include "app/pads.h"
#include "game/controls.h"
#include "maps/map_file.h"
#include "maps/replay_tape.h"
#include "maps/save_game.h"
#include "ui/notice.h"
#include "ui/screens.h"

bool save_game_with_notice()
{
    int error = save_game();
    if (error)
        report_failure("Could not save the game: %s", strerror(error));
    else
        report_saved("Game saved");
    return error == 0;
}

bool save_map_with_notice()
{
    int error = save_map();
    if (error)
        report_failure("Could not save %s: %s", map_path, strerror(error));
    else
        report_saved("Map saved");
    return error == 0;
}

// The players of a game of several sit down in slot order: P1 at the
// keyboard, the others at the pads as SDL lists them.
static void seat_loaded_players()
{
    if (player_count < 2)
        return;
    open_pads();
    int slot = bind_players_in_order();
    if (slot >= 0)
        show_notice("P%d has no gamepad: connect one and press A", slot + 1);
}

bool load_game_with_notice()
{
    int error = 0;
    switch (load_game(error)) {
    case LOAD_DONE:
        screen_number = SCREEN_GAME;
        seat_loaded_players();
        begin_recording("", saved_game_text());
        return true;
    case LOAD_NO_SAVE:
        screen_number = SCREEN_MAIN_MENU;
        show_notice("No saved game");
        break;
    case LOAD_UNREADABLE:
        screen_number = SCREEN_MAIN_MENU;
        report_failure("Could not read the saved game: %s", strerror(error));
        break;
    case LOAD_DAMAGED: report_failure("The saved game is damaged and was not loaded"); break;
    }
    return false;
}
