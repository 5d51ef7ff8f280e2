// map_choice.cpp -- picking a map from Maps/ to play or to edit, and starting a game on it
#include "ui/map_choice.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

#include "app/input.h"
#include "game/world.h"
#include "maps/map_file.h"
#include "maps/map_list.h"
#include "maps/map_prepare.h"
#include "maps/records.h"
#include "maps/replay_tape.h"
#include "ui/buttons.h"
#include "ui/map_preview.h"
#include "ui/menus.h"
#include "ui/name_field.h"
#include "ui/notice.h"
#include "ui/screens.h"
#include "ui/text.h"

const char MAPS_PREFIX[] = "Maps/";
const char NEW_MAP_LABEL[] = "New map";
const char NEW_MAP_QUESTION[] = "Name of the new map:";
const char MORE_LABEL[] = "More...";
const char PREVIOUS_LABEL[] = "Previous...";
const char CLIP_MARK[] = "...";

int map_list_top = 0;

// A name is offered when it holds ".map" or ".MAP" (no other mixture of
// cases), is plain, and fits after "Maps/" in map_path: a cut path would
// open another file.
bool is_listed_map(const char *name)
{
    if (!strstr(name, ".map") && !strstr(name, ".MAP"))
        return false;
    return is_plain_name(name) && strlen(MAPS_PREFIX) + strlen(name) < (size_t)MAP_PATH_SIZE;
}

// A map's records go by its file name without the extension.
static void map_label(const char *name, char *label, int size)
{
    snprintf(label, (size_t)size, "%.*s", (int)strlen(name) - MAP_EXTENSION_LENGTH, name);
}

// Its row shows the same, cut short of the preview beside it.
static void row_label(const char *name, char *label, int size)
{
    map_label(name, label, size);
    if (strlen(label) > (size_t)MAX_ROW_LABEL_CHARS)
        snprintf(label + MAX_ROW_LABEL_CHARS - strlen(CLIP_MARK), sizeof CLIP_MARK, "%s",
                 CLIP_MARK);
}

int last_map_list_top(int listed)
{
    return listed > MAP_LIST_ROWS ? listed - (MAP_LIST_ROWS - 1) : 0;
}

// The first page has no "Previous..." row, the last no "More..." row.
MapPage map_page(int top, int listed)
{
    MapPage page = {false, false, 0, listed};
    if (listed <= MAP_LIST_ROWS)
        return page;
    page.first = top;
    page.previous = top > 0;
    page.count = MAP_LIST_ROWS - (page.previous ? 1 : 0);
    if (top + page.count < listed) {
        page.more = true;
        page.count--;
    }
    return page;
}

// Back to the page that ends just above this one; near the top, the top.
int previous_page_top(int top)
{
    int previous = top - (MAP_LIST_ROWS - 2);
    return previous <= 1 ? 0 : previous;
}

int clamped_list_top(int top, int listed)
{
    int last = last_map_list_top(listed);
    return top < 0 ? 0 : (top > last ? last : top);
}

// The wheel moves a row a step; Page Up and Page Down turn whole pages.
int scrolled_list_top(int top, int listed)
{
    MapPage page = map_page(top, listed);
    top += mouse_wheel;
    if (key_state[SDLK_PAGEDOWN] == KEY_PRESSED)
        top = page.first + page.count;
    if (key_state[SDLK_PAGEUP] == KEY_PRESSED)
        top = previous_page_top(top);
    return clamped_list_top(top, listed);
}

// Maps/ as it is now: maps added, renamed or removed since are shown so.
// A name half typed when the choice was left is forgotten.
static void open_map_choice()
{
    scan_map_folder();
    read_records();
    forget_map_preview();
    map_list_top = 0;
    close_name_field();
}

// Return alone takes the first free "Map N".
static void ask_new_map_name()
{
    char name[NAME_FIELD_SIZE];
    first_free_map_name(name, sizeof name);
    open_name_field(NEW_MAP_QUESTION, name);
}

// A new map is floor 0, opened in the editor at once; one that cannot be
// written is told and the choice stays.
static void run_new_map_field()
{
    if (run_name_field() != NAME_ACCEPTED)
        return;
    char path[MAP_PATH_SIZE];
    int floor[MAP_SIZE][MAP_SIZE] = {};
    int error = create_map_file(accepted_name, floor, path);
    if (error)
        report_failure("Could not save %s: %s", path, strerror(error));
    else
        screen_number = SCREEN_START_EDITOR;
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

// The listed maps' places in map_names; returns how many.
static int list_maps(int listed[MAX_MAP_NAMES])
{
    int count = 0;
    for (int i = 0; i < map_name_count; i++)
        if (is_listed_map(map_names[i]))
            listed[count++] = i;
    return count;
}

// The rows of one page; the lit map's name, or null.
static const char *draw_map_rows(int target, const int listed[], int count)
{
    MapPage page = map_page(map_list_top, count);
    const char *lit_name = nullptr;
    if (page.previous && draw_menu_row(PREVIOUS_LABEL))
        map_list_top = previous_page_top(map_list_top);
    for (int i = page.first; i < page.first + page.count; i++) {
        const char *name = map_names[listed[i]];
        char label[MAP_NAME_MAX + 1];
        row_label(name, label, sizeof label);
        bool lit;
        if (draw_menu_row(label, lit)) {
            snprintf(map_path, sizeof map_path, "%s%s", MAPS_PREFIX, name);
            screen_number = target;
        }
        if (lit)
            lit_name = name;
    }
    if (page.more && draw_menu_row(MORE_LABEL))
        map_list_top = clamped_list_top(page.first + page.count, count);
    return lit_name;
}

static void draw_lit_map(int target, const char *name)
{
    draw_map_preview(name);
    if (target != SCREEN_START_GAME)
        return;
    char label[MAP_NAME_MAX + 1];
    map_label(name, label, sizeof label);
    draw_map_best(label, game_mode, player_count);
}

// Ten rows at most, paged past that. "Back" is tested last, so a click on
// a row under it picks the map and then goes back. For editing, a row after
// the maps asks for a new map's name; while it is typed, only the field shows.
void map_choice_screen(int target)
{
    if (screen_opened)
        open_map_choice();
    if (name_field_open) {
        draw_menu_background();
        draw_title(true);
        run_new_map_field();
        return;
    }
    int listed[MAX_MAP_NAMES];
    int count = list_maps(listed);
    map_list_top = scrolled_list_top(map_list_top, count);
    draw_menu_background();
    draw_title(true);
    if (target == SCREEN_START_GAME)
        draw_text(TITLE_X, MODE_LINE_Y, mode_line(), TEXT_CENTER);
    const char *lit_name = draw_map_rows(target, listed, count);
    if (lit_name)
        draw_lit_map(target, lit_name);
    if (target == SCREEN_START_EDITOR && draw_menu_row(NEW_MAP_LABEL))
        ask_new_map_name();
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

bool open_chosen_map(int choice_screen)
{
    int error = load_map();
    if (error == 0)
        return true;
    char name[MAP_NAME_MAX + 1];
    map_label(map_path + strlen(MAPS_PREFIX), name, sizeof name);
    if (error == ENOENT)
        report_failure("%s is gone from Maps/", name);
    else
        report_failure("Could not open %s: %s", map_path, strerror(error));
    screen_number = choice_screen;
    return false;
}

// One frame: load, wall up and paint the chosen map, then play. Draws
// nothing; the previous picture stays for this frame.
void start_game_screen()
{
    if (!open_chosen_map(SCREEN_CHOOSE_MAP_TO_PLAY))
        return;
    char name[MAP_NAME_MAX + 1];
    map_label(map_path + strlen(MAPS_PREFIX), name, sizeof name);
    reset_world_for_new_game(name);
    prepare_map();
    render_world_surface();
    begin_recording(name, "");
    screen_number = SCREEN_GAME;
}
