// map_list.cpp -- listing the entries of Maps/
#include "maps/map_list.h"

#include <dirent.h>

#include <cstring>

#include "app/owned_list.h"
#include "app/safe_write.h"

char *map_names[MAX_MAP_NAMES];
int map_name_count = 0;

void clear_map_names()
{
    clear_list(map_names, map_name_count);
}

bool add_map_name(const char *name)
{
    size_t length = strlen(name);
    if (length > (size_t)MAP_NAME_MAX || map_name_count == MAX_MAP_NAMES)
        return false;
    char *entry = new char[length + 1];
    memcpy(entry, name, length + 1);
    map_names[map_name_count++] = entry;
    return true;
}

// Every entry in the listing's order, "." and ".." included; the choice
// screens pick the maps. A cut name would open another file, so names too
// long to hold are skipped, and so are the temporary files of saves in
// progress or killed; entries past the list's capacity are dropped.
void scan_map_folder()
{
    clear_map_names();
    DIR *folder = opendir(MAP_FOLDER);
    if (!folder)
        return;
    while (map_name_count < MAX_MAP_NAMES) {
        const struct dirent *entry = readdir(folder);
        if (!entry)
            break;
        if (!is_temporary_name(entry->d_name))
            add_map_name(entry->d_name);
    }
    closedir(folder);
}
