// safe_write_windows.cpp -- guarded reading, and replacing a file through a temporary file and MoveFileExW, on Windows
#ifdef _WIN32
#include <windows.h>

#include <algorithm>
#include <cerrno>
#include <string>
#include <vector>

#include "app/platform.h"
#include "app/safe_write.h"

const int TEMP_NAME_TRIES = 100;                  // names taken by other saves before giving up
const ULONGLONG FILE_TIME_PER_SECOND = 10000000;  // file times count 100 ns steps
const wchar_t LONG_PATH_PREFIX[] = L"\\\\?\\";
const wchar_t LONG_UNC_PREFIX[] = L"\\\\?\\UNC\\";

static std::string folder_of(const std::string &path)
{
    size_t slash = path.find_last_of("/\\");
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

// A symbolic link is followed to the file it names, so the replacement lands
// there and the link stays; a link to nowhere is replaced like a file.
static std::string link_target(const char *path)
{
    std::wstring wide = wide_text(path);
    DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || !(attributes & FILE_ATTRIBUTE_REPARSE_POINT))
        return path;
    HANDLE file =
        CreateFileW(wide.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return path;
    wchar_t final_path[32768];
    DWORD n = GetFinalPathNameByHandleW(file, final_path, 32768, FILE_NAME_NORMALIZED);
    CloseHandle(file);
    if (n == 0 || n >= 32768)
        return path;
    std::wstring target(final_path, n);
    if (target.compare(0, wcslen(LONG_UNC_PREFIX), LONG_UNC_PREFIX) == 0)
        target = L"\\\\" + target.substr(wcslen(LONG_UNC_PREFIX));
    else if (target.compare(0, wcslen(LONG_PATH_PREFIX), LONG_PATH_PREFIX) == 0)
        target = target.substr(wcslen(LONG_PATH_PREFIX));
    return utf8_text(target.c_str());
}

// A file the player marked read-only is refused, as a file without any
// write permission is elsewhere.
static int check_replaceable(const std::string &target)
{
    DWORD attributes = GetFileAttributesW(wide_text(target).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return 0;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
        return EISDIR;
    if (attributes & FILE_ATTRIBUTE_READONLY)
        return EACCES;
    return 0;
}

static int write_all(HANDLE file, const std::string &contents)
{
    size_t done = 0;
    while (done < contents.size()) {
        DWORD chunk = (DWORD)std::min(contents.size() - done, (size_t)1 << 30), written = 0;
        if (!WriteFile(file, contents.data() + done, chunk, &written, nullptr))
            return errno_from_windows(GetLastError());
        if (written == 0)
            return EIO;
        done += written;
    }
    return FlushFileBuffers(file) ? 0 : errno_from_windows(GetLastError());
}

// A new temporary of our own pattern beside the target; its name in `temp`.
static HANDLE create_temporary(const std::string &folder, std::string &temp)
{
    DWORD start = GetTickCount() ^ (GetCurrentProcessId() << 16);
    for (int attempt = 0; attempt < TEMP_NAME_TRIES; attempt++) {
        temp = folder + TEMP_NAME_PREFIX + std::to_string((unsigned long)(start + attempt));
        HANDLE file = CreateFileW(wide_text(temp).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE || GetLastError() != ERROR_FILE_EXISTS)
            return file;
    }
    SetLastError(ERROR_FILE_EXISTS);
    return INVALID_HANDLE_VALUE;
}

// Windows will not rename over an existing file; MoveFileExW replaces it in
// one step and, with WRITE_THROUGH, returns only once the move is on disk.
int replace_file(const char *path, const std::string &contents)
{
    std::string target = link_target(path);
    int error = check_replaceable(target);
    if (error)
        return error;
    std::string temp;
    HANDLE file = create_temporary(folder_of(target), temp);
    if (file == INVALID_HANDLE_VALUE)
        return errno_from_windows(GetLastError());
    error = write_all(file, contents);
    CloseHandle(file);
    std::wstring wide_temp = wide_text(temp);
    if (!error && !MoveFileExW(wide_temp.c_str(), wide_text(target).c_str(),
                               MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        error = errno_from_windows(GetLastError());
    if (error)
        DeleteFileW(wide_temp.c_str());
    return error;
}

// Only files on a disk: a device name such as CON or a pipe is refused
// before anything is read from it.
int read_regular(const char *path, long limit, bool cut, std::string &contents)
{
    contents.clear();
    std::wstring wide = wide_text(path);
    DWORD attributes = GetFileAttributesW(wide.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return EISDIR;
    HANDLE file = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return errno_from_windows(GetLastError());
    int error = 0;
    LARGE_INTEGER size;
    if (GetFileType(file) != FILE_TYPE_DISK)
        error = EINVAL;
    else if (!GetFileSizeEx(file, &size))
        error = errno_from_windows(GetLastError());
    else if (size.QuadPart > limit && !cut)
        error = EFBIG;
    char buffer[4096];
    while (!error && (long)contents.size() < limit) {
        DWORD n = 0;
        if (!ReadFile(file, buffer, sizeof buffer, &n, nullptr))
            error = errno_from_windows(GetLastError());
        else if (n == 0)
            break;
        else
            error = keep_read_bytes(contents, buffer, n, limit, cut);
    }
    CloseHandle(file);
    if (error)
        contents.clear();
    return error;
}

static ULONGLONG file_time_value(const FILETIME &time)
{
    return ((ULONGLONG)time.dwHighDateTime << 32) | time.dwLowDateTime;
}

// Only our own pattern and only plain files: a player's file or folder that
// happens to share the prefix, or a link, is never touched.
int remove_stale_temporaries(const char *folder)
{
    std::vector<std::string> names;
    if (!list_folder(folder, names))
        return 0;
    FILETIME now_time;
    GetSystemTimeAsFileTime(&now_time);
    ULONGLONG now = file_time_value(now_time);
    int removed = 0;
    for (const std::string &name : names) {
        if (!is_temporary_name(name.c_str()))
            continue;
        std::wstring path = wide_text(std::string(folder) + "\\" + name);
        WIN32_FILE_ATTRIBUTE_DATA info;
        if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &info) ||
            (info.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) ||
            now - file_time_value(info.ftLastWriteTime) < STALE_TEMP_SECONDS * FILE_TIME_PER_SECOND)
            continue;
        if (DeleteFileW(path.c_str()))
            removed++;
    }
    return removed;
}
#endif
