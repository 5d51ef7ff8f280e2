// map_choice.cpp -- picking a map from Maps/ to play or to edit, and starting a game on it
#include "ui/map_choice.h"

#include <cstdio>
#include <cstring>

#include "app/main_loop.h"
#include "game/world.h"
#include "maps/editor.h"
#include "maps/map_file.h"
#include "maps/map_list.h"
#include "maps/map_prepare.h"
#include "ui/buttons.h"
#include "ui/game_over.h"
#include "ui/menus.h"

const char MAPS_PREFIX[] = "Maps/";
const char NEW_MAP_LABEL[] = "New map";

static char chosen_map_name[MAP_NAME_MAX + 1];  // its label, for the records

// A name is offered when it holds ".map" or ".MAP" (no other mixture of
// cases) and fits after "Maps/" in map_path: a cut path would open another file.
bool is_listed_map(const char *name)
{
    if (!strstr(name, ".map") && !strstr(name, ".MAP"))
        return false;
    return strlen(MAPS_PREFIX) + strlen(name) < (size_t)MAP_PATH_SIZE;
}

// Rows below the screen are drawn off it and cannot be picked. "Back" is
// tested last, so a click on a row under it picks the map and then goes back.
// For editing, a last row makes a new map and opens it.
void map_choice_screen(int target)
{
    draw_menu_background();
    draw_title(true);
    for (int i = 0; i < map_name_count; i++) {
        const char *name = map_names[i];
        if (!is_listed_map(name))
            continue;
        char label[MAP_NAME_MAX + 1];
        snprintf(label, sizeof label, "%.*s", (int)strlen(name) - MAP_EXTENSION_LENGTH, name);
        if (draw_menu_row(label)) {
            snprintf(map_path, sizeof map_path, "%s%s", MAPS_PREFIX, name);
            snprintf(chosen_map_name, sizeof chosen_map_name, "%s", label);
            screen_number = target;
        }
    }
    if (target == SCREEN_START_EDITOR && draw_menu_row(NEW_MAP_LABEL) && create_new_map())
        screen_number = target;
    if (draw_button(BACK_BUTTON_X, BACK_BUTTON_Y, BACK_BUTTON_W, BACK_BUTTON_H, "Back"))
        screen_number = SCREEN_MAIN_MENU;
}

void choose_map_to_play_screen()
{
    map_choice_screen(SCREEN_START_GAME);
}

void choose_map_to_edit_screen()
{
    map_choice_screen(SCREEN_START_EDITOR);
}

// One frame: load, wall up and paint the chosen map, then play. Draws
// nothing; the previous picture stays for this frame.
void start_game_screen()
{
    load_map();
    prepare_map();
    render_world_surface();
    reset_world_for_new_game();
    start_game_clock(chosen_map_name);
    screen_number = SCREEN_GAME;
}
