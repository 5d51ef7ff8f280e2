// safe_write.cpp -- guarded reading, and replacing a file through a temporary file, an fsync and a rename
#include "app/safe_write.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>

bool is_temporary_name(const char *name)
{
    return strncmp(name, TEMP_NAME_PREFIX, sizeof TEMP_NAME_PREFIX - 1) == 0;
}

bool parse_whole_number(const char *text, long low, long high, long &value)
{
    char *end = nullptr;
    errno = 0;
    long number = strtol(text, &end, 10);
    if (end == text || *end != '\0' || errno == ERANGE || number < low || number > high)
        return false;
    value = number;
    return true;
}

int read_regular_file(const char *path, std::string &contents)
{
    return read_regular(path, MAX_READ_BYTES, false, contents);
}

int read_file_start(const char *path, long max_bytes, std::string &contents)
{
    return read_regular(path, max_bytes, true, contents);
}

int read_file_within(const char *path, long max_bytes, std::string &contents)
{
    return read_regular(path, max_bytes, false, contents);
}

int keep_read_bytes(std::string &contents, const char *bytes, size_t n, long limit, bool cut)
{
    if ((long)(contents.size() + n) <= limit)
        contents.append(bytes, n);
    else if (cut)
        contents.append(bytes, (size_t)(limit - (long)contents.size()));
    else
        return EFBIG;  // grew while being read
    return 0;
}

// Windows has its own calls for all that follows: safe_write_windows.cpp.
#ifndef _WIN32

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <ctime>
#include <set>
#include <vector>

const int MAX_LINK_DEPTH = 40;    // as the kernel's own limit on nested links
const int LINK_TEXT_SIZE = 4096;  // the longest path the kernel takes

// "Maps/" for "Maps/city.map"; empty for a name in the working folder.
static std::string folder_of(const std::string &path)
{
    size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// The file a write through `path` lands in: links are followed one by one,
// also a link to a file that does not exist yet, which the save creates.
static std::string link_target(const char *path)
{
    std::string current = path;
    for (int depth = 0; depth < MAX_LINK_DEPTH; depth++) {
        struct stat info;
        if (lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        char target[LINK_TEXT_SIZE];
        ssize_t n = readlink(current.c_str(), target, sizeof target);
        if (n <= 0 || n == (ssize_t)sizeof target)
            return current;
        std::string next(target, (size_t)n);
        current = next[0] == '/' ? next : folder_of(current) + next;
    }
    return current;
}

static int write_all(int fd, const std::string &contents)
{
    size_t done = 0;
    while (done < contents.size()) {
        ssize_t n = write(fd, contents.data() + done, contents.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return errno;
        if (n == 0)
            return EIO;
        done += (size_t)n;
    }
    return 0;
}

// A replaced file keeps the permissions it had. One the player made
// read-only (no write bit at all) is refused even where the folder would
// allow the rename, and even for root, who passes every access check.
static int existing_mode(const std::string &path, mode_t &mode)
{
    struct stat old;
    mode = NEW_FILE_MODE;
    if (stat(path.c_str(), &old) != 0)
        return 0;
    if (S_ISDIR(old.st_mode))
        return EISDIR;
    if (!S_ISREG(old.st_mode))
        return EINVAL;
    if ((old.st_mode & 0222) == 0)
        return EACCES;
    mode = old.st_mode & 07777;
    return 0;
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

static int fill_temporary(int fd, const std::string &contents, mode_t mode)
{
    int error = write_all(fd, contents);
    if (!error && fchmod(fd, mode) != 0)
        error = errno;
    if (!error && fsync(fd) != 0)
        error = errno;
    if (close(fd) != 0 && !error)
        error = errno;
    return error;
}

int replace_file(const char *path, const std::string &contents)
{
    std::string target = link_target(path);
    mode_t mode;
    int error = existing_mode(target, mode);
    if (error)
        return error;
    std::string folder = folder_of(target);
    std::string pattern = folder + TEMP_NAME_PREFIX + "XXXXXX";
    std::vector<char> temp_name(pattern.begin(), pattern.end());
    temp_name.push_back('\0');
    int fd = mkstemp(temp_name.data());
    if (fd < 0)
        return errno;
    error = fill_temporary(fd, contents, mode);
    if (!error && rename(temp_name.data(), target.c_str()) != 0)
        error = errno;
    if (error) {
        unlink(temp_name.data());
        return error;
    }
    sync_folder(folder);
    return 0;
}

// Opened without blocking, so a pipe put where a map belongs cannot stall the
// game before fstat shows that it is no regular file.
int read_regular(const char *path, long limit, bool cut, std::string &contents)
{
    contents.clear();
    int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return errno;
    struct stat info;
    int error = 0;
    if (fstat(fd, &info) != 0)
        error = errno;
    else if (S_ISDIR(info.st_mode))
        error = EISDIR;
    else if (!S_ISREG(info.st_mode))
        error = EINVAL;
    else if (info.st_size > limit && !cut)
        error = EFBIG;
    char buffer[4096];
    while (!error && (long)contents.size() < limit) {
        ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            error = errno;
        else if (n == 0)
            break;
        else
            error = keep_read_bytes(contents, buffer, (size_t)n, limit, cut);
    }
    close(fd);
    if (error)
        contents.clear();
    return error;
}

// Only our own pattern and only regular files: a player's file or folder
// that happens to share the prefix is never touched.
static int remove_stale_in(const std::string &folder)
{
    DIR *listing = opendir(folder.c_str());
    if (!listing)
        return 0;
    int removed = 0;
    time_t now = time(nullptr);
    while (const struct dirent *entry = readdir(listing)) {
        if (!is_temporary_name(entry->d_name))
            continue;
        std::string path = folder + "/" + entry->d_name;
        struct stat info;
        if (lstat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode) ||
            now - info.st_mtime < STALE_TEMP_SECONDS)
            continue;
        if (unlink(path.c_str()) == 0)
            removed++;
    }
    closedir(listing);
    return removed;
}

// A save through a link writes its temporary beside the link's target, so
// the folders that the folder's links point into are cleaned as well, each
// once.
int remove_stale_temporaries(const char *folder)
{
    std::set<std::string> cleaned;
    char real[PATH_MAX];
    if (!realpath(folder, real))
        return 0;
    cleaned.insert(real);
    int removed = remove_stale_in(folder);
    DIR *listing = opendir(folder);
    if (!listing)
        return removed;
    std::vector<std::string> targets;
    while (const struct dirent *entry = readdir(listing)) {
        std::string path = std::string(folder) + "/" + entry->d_name;
        struct stat info;
        if (lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode))
            targets.push_back(folder_of(link_target(path.c_str())));
    }
    closedir(listing);
    for (const std::string &target : targets) {
        if (realpath(target.empty() ? "." : target.c_str(), real) && cleaned.insert(real).second)
            removed += remove_stale_in(real);
    }
    return removed;
}
#endif
