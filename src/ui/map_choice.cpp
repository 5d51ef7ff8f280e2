// map_choice.cpp -- picking a map from Maps/ to play or to edit, and starting a game on it
#include "ui/map_choice.h"

#include <cstdio>
#include <cstring>

#include "game/world.h"
#include "maps/map_file.h"
#include "maps/map_list.h"
#include "maps/map_prepare.h"
#include "ui/buttons.h"
#include "ui/menus.h"
#include "ui/notice.h"
#include "ui/screens.h"
#include "ui/text.h"

const char MAPS_PREFIX[] = "Maps/";
const char NEW_MAP_LABEL[] = "New map";

// A name is offered when it holds ".map" or ".MAP" (no other mixture of
// cases) and fits after "Maps/" in map_path: a cut path would open another file.
bool is_listed_map(const char *name)
{
    if (!strstr(name, ".map") && !strstr(name, ".MAP"))
        return false;
    return strlen(MAPS_PREFIX) + strlen(name) < (size_t)MAP_PATH_SIZE;
}

// A map's row and its records go by its file name without the extension.
static void map_label(const char *name, char *label, int size)
{
    snprintf(label, (size_t)size, "%.*s", (int)strlen(name) - MAP_EXTENSION_LENGTH, name);
}

// A new map is opened in the editor at once; one that cannot be written is told.
static bool make_new_map()
{
    char path[MAP_PATH_SIZE];
    int error = create_new_map(path);
    if (error)
        report_failure("Could not save %s: %s", path, strerror(error));
    return error == 0;
}

// The mode a pick will start, with the players of a co-op game.
static const char *mode_line()
{
    static char line[48];
    if (player_count < 2)
        return MODE_NAMES[game_mode];
    snprintf(line, sizeof line, "%s, %d players", COOP_MODE_NAMES[game_mode], player_count);
    return line;
}

// Rows below the screen are drawn off it and cannot be picked. "Back" is
// tested last, so a click on a row under it picks the map and then goes back.
// For editing, a last row makes a new map and opens it.
void map_choice_screen(int target)
{
    draw_menu_background();
    draw_title(true);
    if (target == SCREEN_START_GAME)
        draw_text(TITLE_X, MODE_LINE_Y, mode_line(), TEXT_CENTER);
    for (int i = 0; i < map_name_count; i++) {
        const char *name = map_names[i];
        if (!is_listed_map(name))
            continue;
        char label[MAP_NAME_MAX + 1];
        map_label(name, label, sizeof label);
        if (draw_menu_row(label)) {
            snprintf(map_path, sizeof map_path, "%s%s", MAPS_PREFIX, name);
            screen_number = target;
        }
    }
    if (target == SCREEN_START_EDITOR && draw_menu_row(NEW_MAP_LABEL) && make_new_map())
        screen_number = target;
    if (draw_back_button())
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
    char name[MAP_NAME_MAX + 1];
    map_label(map_path + strlen(MAPS_PREFIX), name, sizeof name);
    load_map();
    reset_world_for_new_game(name);
    prepare_map();
    render_world_surface();
    screen_number = SCREEN_GAME;
}
