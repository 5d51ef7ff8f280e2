// map_choice.h -- picking a map from Maps/ to play or to edit, and starting a game on it
#pragma once

#include "maps/map_list.h"

#include "game/world.h"

const int MAP_EXTENSION_LENGTH = 4;  // ".map", cut from the label
const int MODE_LINE_Y = 104;         // the mode a pick will start, under the title
const int MAP_LIST_ROWS = 10;        // rows of maps and paging, y 144 to 360, clear of "Back"
const int MAX_ROW_LABEL_CHARS = 34;  // longer names are cut with "...", clear of the preview
// The modes as the main menu names them
const char *const MODE_NAMES[MODE_COUNT] = {"Single Player", "Waves"};
// and as a game of several players names them
const char *const COOP_MODE_NAMES[MODE_COUNT] = {"Classic", "Waves"};
extern const char MORE_LABEL[], PREVIOUS_LABEL[], CLIP_MARK[];

// What one page of the list shows: listed maps first to first + count - 1,
// with a row above to page back and one below to page on where there are more.
struct MapPage {
    bool previous, more;
    int first, count;
};

// Per frame, kept while a map choice stays open; reset when one opens
extern int map_list_top;  // listed maps scrolled past the top of the list

void map_choice_screen(int target);
void choose_map_to_play_screen();
void choose_map_to_edit_screen();
void start_game_screen();
bool is_listed_map(const char *name);
MapPage map_page(int top, int listed);
int last_map_list_top(int listed);  // the top that shows the last map on the last row
int previous_page_top(int top);
int clamped_list_top(int top, int listed);
// A list's top after this frame's wheel and Page Up or Page Down.
int scrolled_list_top(int top, int listed);
// Loads map_path; a map that cannot be read is told and its choice screen
// comes back. True when it loaded.
bool open_chosen_map(int choice_screen);
