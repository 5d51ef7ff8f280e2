// safe_write.cpp -- replacing a file through a temporary file, an fsync and a rename
#include "maps/safe_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <vector>

// Hidden, and without ".map" in it, so the map list never offers one that a
// crash left behind.
const char TEMP_NAME_PATTERN[] = ".rotwalk_XXXXXX";

// "Maps/" for "Maps/city.map"; empty for a name in the working folder.
static std::string folder_of(const char *path)
{
    std::string text = path;
    size_t slash = text.rfind('/');
    return slash == std::string::npos ? std::string() : text.substr(0, slash + 1);
}

static bool write_all(int fd, const std::string &contents)
{
    size_t done = 0;
    while (done < contents.size()) {
        ssize_t n = write(fd, contents.data() + done, contents.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += (size_t)n;
    }
    return true;
}

// A replaced file keeps the permissions it had.
static mode_t mode_for(const char *path)
{
    struct stat old;
    if (stat(path, &old) == 0 && S_ISREG(old.st_mode))
        return old.st_mode & 07777;
    return NEW_FILE_MODE;
}

// The rename itself reaches the disk only with the folder's entry.
static void sync_folder(const std::string &folder)
{
    int fd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

bool replace_file(const char *path, const std::string &contents)
{
    std::string folder = folder_of(path);
    std::string pattern = folder + TEMP_NAME_PATTERN;
    std::vector<char> temp_name(pattern.begin(), pattern.end());
    temp_name.push_back('\0');
    int fd = mkstemp(temp_name.data());
    if (fd < 0)
        return false;
    bool written = write_all(fd, contents) && fchmod(fd, mode_for(path)) == 0 && fsync(fd) == 0;
    written = close(fd) == 0 && written;
    if (!written || rename(temp_name.data(), path) != 0) {
        unlink(temp_name.data());
        return false;
    }
    sync_folder(folder);
    return true;
}
