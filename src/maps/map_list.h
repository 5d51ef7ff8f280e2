// map_list.h -- the names of the entries of Maps/, listed when a map choice opens
#pragma once

#include "app/folders.h"

const int MAX_MAP_NAMES = 500;

// Listed again each time a map choice screen opens; a map the editor makes
// joins in its place at once
extern char *map_names[MAX_MAP_NAMES];  // by name, case aside, then by the exact bytes
extern int map_name_count;

void scan_map_folder();
void clear_map_names();
bool add_map_name(const char *name);  // false when the list is full or the name too long
// The list's order: numbers by value, case aside, then by the bytes; a total
// one, so equal names in other cases keep one place.
bool map_name_before(const char *a, const char *b);
// No control characters: the font cannot show them, and the records file
// splits its fields at tabs and its lines at line ends.
bool is_plain_name(const char *name);
