// map_list.h -- the names of the entries of Maps/, listed once at start-up
#pragma once

#include "app/folders.h"

const int MAX_MAP_NAMES = 500;

// Set at start-up; a map the editor makes is added at the end
extern char *map_names[MAX_MAP_NAMES];  // in the order the folder listing gives them
extern int map_name_count;

void scan_map_folder();
void clear_map_names();
bool add_map_name(const char *name);  // false when the list is full or the name too long
