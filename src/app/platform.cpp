// platform.cpp -- folders and files through the POSIX calls
#ifndef _WIN32
#include "app/platform.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

const int NEW_FOLDER_MODE = 0777;  // narrowed by the user's umask

bool is_folder(const char *path)
{
    struct stat info;
    return stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

bool path_exists(const char *path)
{
    struct stat info;
    return lstat(path, &info) == 0;
}

int make_folder(const char *path)
{
    if (mkdir(path, NEW_FOLDER_MODE) == 0)
        return 0;
    int error = errno;
    return error == EEXIST && is_folder(path) ? 0 : error;
}

std::string path_from_here(const char *path)
{
    char here[PATH_MAX];
    if (path[0] == '/' || !getcwd(here, sizeof here))
        return path;
    return std::string(here) + "/" + path;
}

void utf8_arguments(int &, char **&) {}

int change_folder(const char *path)
{
    return chdir(path) == 0 ? 0 : errno;
}

std::string absolute_path(const std::string &path)
{
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

std::string executable_folder()
{
    char path[PATH_MAX];
    ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return "";
    path[n] = '\0';
    char *slash = strrchr(path, '/');
    if (!slash)
        return "";
    *slash = '\0';
    return path;
}

bool can_write_in(const char *folder)
{
    return access(folder, W_OK) == 0;
}

bool list_folder(const char *folder, std::vector<std::string> &names)
{
    names.clear();
    DIR *listing = opendir(folder);
    if (!listing)
        return false;
    while (const struct dirent *entry = readdir(listing))
        names.push_back(entry->d_name);
    closedir(listing);
    return true;
}

FILE *open_new_file(const char *path)
{
    return fopen(path, "wbx");
}

std::string default_game_folder()
{
    const char *xdg = getenv("XDG_DATA_HOME");
    if (xdg && xdg[0] == '/')  // a relative value is to be ignored
        return std::string(xdg) + "/" + GAME_FOLDER_NAME;
    const char *home = getenv("HOME");
    if (!home || !home[0])
        return "";
    return std::string(home) + "/.local/share/" + GAME_FOLDER_NAME;
}

std::string start_log()
{
    return "";
}

void attach_console() {}

void tell_fatal(const std::string &message)
{
    fprintf(stderr, "rotwalk: %s\n", message.c_str());
}
#endif
