// folders.cpp -- where the game finds its data and where it keeps the player's own files
#include "app/folders.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#include "app/safe_write.h"
#include "app/settings.h"

char data_folder[FOLDER_PATH_SIZE];

const char MAP_SUFFIX[] = ".map";

std::string data_file(const char *relative)
{
    if (!data_folder[0])
        return relative;
    return std::string(data_folder) + "/" + relative;
}

static bool is_folder(const std::string &path)
{
    return is_folder(path.c_str());
}

std::string find_data_folder(const char *asked, const std::string &exe_folder)
{
    if (asked)
        return is_folder(std::string(asked) + "/" + MEDIA_FOLDER) ? absolute_path(asked) : "";
    if (!exe_folder.empty() && is_folder(exe_folder + "/" + MEDIA_FOLDER))
        return absolute_path(exe_folder);
    std::string installed = exe_folder + "/" + INSTALLED_DATA_FROM_BIN;
    if (!exe_folder.empty() && is_folder(installed + "/" + MEDIA_FOLDER))
        return absolute_path(installed);
    return "";
}

// Like mkdir -p; an existing folder is fine. A drive ("C:") or the root
// itself is not made.
static int make_folders(const std::string &path)
{
    for (size_t slash = path.find_first_of(FOLDER_SEPARATORS, 1);;
         slash = path.find_first_of(FOLDER_SEPARATORS, slash + 1)) {
        std::string part = path.substr(0, slash);
        bool drive = part.size() == 2 && part[1] == ':';
        int error = drive ? 0 : make_folder(part.c_str());
        if (error && error != EEXIST)
            return error;
        if (slash == std::string::npos)
            break;
    }
    return is_folder(path) ? 0 : ENOTDIR;
}

static int copy_if_missing(const std::string &from, const std::string &to)
{
    if (path_exists(to.c_str()))
        return 0;  // the player's own copy is kept, whatever it holds
    std::string contents;
    int error = read_regular_file(from.c_str(), contents);
    if (error == ENOENT)
        return 0;
    return error ? error : replace_file(to.c_str(), contents);
}

static bool is_map_name(const char *name)
{
    size_t length = strlen(name);
    return length > strlen(MAP_SUFFIX) &&
           strcmp(name + length - strlen(MAP_SUFFIX), MAP_SUFFIX) == 0;
}

static int copy_shipped_maps(const std::string &data, const std::string &folder)
{
    std::vector<std::string> names;
    if (!list_folder((data + "/" + MAP_FOLDER).c_str(), names))
        return 0;
    int error = 0;
    for (const std::string &name : names) {
        if (!error && is_map_name(name.c_str()))
            error = copy_if_missing(data + "/" + MAP_FOLDER + "/" + name,
                                    folder + "/" + MAP_FOLDER + "/" + name);
    }
    return error;
}

// The portable folder that holds the executable and its data is also the
// game folder, as it always was, where files can be made in it; a folder the
// player cannot write (Program Files, say) leaves the files to the player's own.
std::string planned_game_folder(const char *asked_data, const char *asked_game_folder,
                                const std::string &data, const std::string &exe, bool &portable)
{
    portable = !asked_data && !exe.empty() && !data.empty() && data == absolute_path(exe) &&
               can_write_in(data.c_str());
    if (asked_game_folder)
        return asked_game_folder;
    return portable ? data : default_game_folder();
}

static std::string failure(const std::string &what, int error)
{
    return what + ": " + strerror(error);
}

std::string prepare_game_folder(const std::string &folder, const std::string &data)
{
    for (const std::string &made :
         {folder, folder + "/" + MAP_FOLDER, folder + "/" + SAVE_FOLDER}) {
        int error = make_folders(made);
        if (error)
            return failure("cannot make " + made, error);
    }
    if (!can_write_in(folder.c_str()))
        return failure("cannot write in " + folder, EACCES);
    if (absolute_path(folder) == absolute_path(data))
        return "";  // a portable folder is its own data
    int error = copy_shipped_maps(data, folder);
    if (!error)
        error = copy_if_missing(data + "/" + SETTINGS_FILE, folder + "/" + SETTINGS_FILE);
    return error ? failure("cannot copy the shipped files into " + folder, error) : "";
}

static void keep_path(char *target, const std::string &path)
{
    snprintf(target, FOLDER_PATH_SIZE, "%s", path.c_str());
}

// Without a usable game folder the game still plays from its data folder,
// where every save then fails and says so.
std::string settle_folders(const char *asked_data, const char *asked_game_folder)
{
    std::string exe = executable_folder();
    std::string data = find_data_folder(asked_data, exe);
    if (data.empty())
        return asked_data ? std::string(asked_data) + " has no " + MEDIA_FOLDER + "/ folder"
                          : "cannot find the game's " + std::string(MEDIA_FOLDER) +
                                "/ folder beside " + (exe.empty() ? "the executable" : exe) +
                                " or in " + exe + "/" + INSTALLED_DATA_FROM_BIN;
    bool portable = false;
    std::string folder = planned_game_folder(asked_data, asked_game_folder, data, exe, portable);
    std::string problem =
        folder.empty() ? "no home folder for the game's files" : prepare_game_folder(folder, data);
    if (!problem.empty())
        fprintf(stderr, "rotwalk: %s; nothing can be saved\n", problem.c_str());
    if (!folder.empty())
        folder = absolute_path(folder);
    if (folder.empty() || change_folder(folder.c_str()) != 0) {
        int error = change_folder(data.c_str());
        if (error)
            return failure("cannot enter " + data, error);
    }
    keep_path(data_folder, data);
    return "";
}
