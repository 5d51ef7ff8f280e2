// map_list.cpp -- listing the entries of Maps/
#include "maps/map_list.h"

#include <dirent.h>
#include <strings.h>

#include <cstring>

#include "app/owned_list.h"
#include "app/safe_write.h"

const int LAST_CONTROL_CHAR = 31;  // and 127, DEL
const int DELETE_CHAR = 127;

char *map_names[MAX_MAP_NAMES];
int map_name_count = 0;

void clear_map_names()
{
    clear_list(map_names, map_name_count);
}

bool map_name_before(const char *a, const char *b)
{
    int order = strcasecmp(a, b);
    return order != 0 ? order < 0 : strcmp(a, b) < 0;
}

bool is_plain_name(const char *name)
{
    for (const unsigned char *c = (const unsigned char *)name; *c; c++)
        if (*c <= LAST_CONTROL_CHAR || *c == DELETE_CHAR)
            return false;
    return true;
}

// Put in its place, so the list stays in order without a sort.
bool add_map_name(const char *name)
{
    size_t length = strlen(name);
    if (length > (size_t)MAP_NAME_MAX || map_name_count == MAX_MAP_NAMES)
        return false;
    char *entry = new char[length + 1];
    memcpy(entry, name, length + 1);
    int at = map_name_count;
    while (at > 0 && map_name_before(entry, map_names[at - 1])) {
        map_names[at] = map_names[at - 1];
        at--;
    }
    map_names[at] = entry;
    map_name_count++;
    return true;
}

// Every entry, "." and ".." included; the choice screens pick the maps. A
// cut name would open another file, so names too long to hold are skipped,
// and so are the temporary files of saves in progress or killed; entries
// past the list's capacity are dropped.
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
