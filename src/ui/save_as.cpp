// save_as.cpp -- the editor's "Save as": the map under a new name, through the name field
#include "ui/save_as.h"

#include <cstdio>
#include <cstring>

#include "maps/map_file.h"
#include "ui/name_field.h"
#include "ui/notice.h"

const char SAVE_AS_QUESTION[] = "Save the map as:";

bool save_map_as(const char *name)
{
    char trimmed[NAME_FIELD_SIZE], path[MAP_PATH_SIZE];
    const char *refusal = name_refusal(name);
    trim_name(name, trimmed);
    if (refusal) {
        report_failure("Could not save as \"%s\": %s", trimmed, refusal);
        return false;
    }
    int error = create_map_file(trimmed, map_tiles, path);
    if (error)
        report_failure("Could not save %s: %s", path, strerror(error));
    else
        report_saved("Map saved as %s", trimmed);
    return error == 0;
}

// The file name without "Maps/" and ".map".
void open_save_as()
{
    const char *name = strrchr(map_path, '/');
    name = name ? name + 1 : map_path;
    char prefill[NAME_FIELD_SIZE];
    int length = (int)strlen(name) - MAP_EXTENSION_LENGTH;
    snprintf(prefill, sizeof prefill, "%.*s", length > 0 ? length : 0, name);
    open_name_field(SAVE_AS_QUESTION, prefill);
}

bool run_save_as()
{
    return run_name_field() == NAME_ACCEPTED && save_map_as(accepted_name);
}
