// map_list.cpp -- listing the entries of Maps/
#include "maps/map_list.h"

#include <cctype>
#include <cstring>

#include "app/owned_list.h"
#include "app/platform.h"
#include "app/safe_write.h"

const int LAST_CONTROL_CHAR = 31;  // and 127, DEL
const int DELETE_CHAR = 127;

char *map_names[MAX_MAP_NAMES];
int map_name_count = 0;

void clear_map_names()
{
    clear_list(map_names, map_name_count);
}

static bool is_digit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

// A run of digits against another by its value: leading zeros aside, the
// longer run is the larger, and runs of one length compare digit by digit.
static int compare_numbers(const unsigned char *&a, const unsigned char *&b)
{
    while (*a == '0' && is_digit(a[1]))
        a++;
    while (*b == '0' && is_digit(b[1]))
        b++;
    size_t length_a = 0, length_b = 0;
    while (is_digit(a[length_a]))
        length_a++;
    while (is_digit(b[length_b]))
        length_b++;
    int order = length_a != length_b ? (length_a < length_b ? -1 : 1) : memcmp(a, b, length_a);
    a += length_a;
    b += length_b;
    return order;
}

// Letters with case aside and numbers by their value, so "Map 2" comes
// before "Map 10" as a map maker counts them.
static int compare_names(const char *name_a, const char *name_b)
{
    const unsigned char *a = (const unsigned char *)name_a, *b = (const unsigned char *)name_b;
    while (*a && *b) {
        int order;
        if (is_digit(*a) && is_digit(*b)) {
            order = compare_numbers(a, b);
        } else {
            order = tolower(*a) - tolower(*b);
            a++;
            b++;
        }
        if (order != 0)
            return order;
    }
    return (*a != 0) - (*b != 0);
}

bool map_name_before(const char *a, const char *b)
{
    int order = compare_names(a, b);
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
    std::vector<std::string> names;
    if (!list_folder(MAP_FOLDER, names))
        return;
    for (const std::string &name : names) {
        if (map_name_count >= MAX_MAP_NAMES)
            break;
        if (!is_temporary_name(name.c_str()))
            add_map_name(name.c_str());
    }
}
