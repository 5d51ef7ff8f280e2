// platform_windows.cpp -- folders and files through the Windows calls, with UTF-16 paths
#ifdef _WIN32
#include "app/platform.h"

#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#include <windows.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

#include "app/safe_write.h"

const wchar_t APPDATA_VARIABLE[] = L"APPDATA";
const char CONSOLE_DEVICE[] = "CONOUT$";

std::vector<std::string> argument_texts;
std::vector<char *> argument_pointers;

std::wstring wide_text(const std::string &utf8)
{
    if (utf8.empty())
        return std::wstring();
    int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), nullptr, 0);
    std::wstring wide((size_t)n, L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), (int)utf8.size(), &wide[0], n);
    return wide;
}

std::string utf8_text(const wchar_t *wide)
{
    int n = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 1)
        return std::string();
    std::string utf8((size_t)n, '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, &utf8[0], n, nullptr, nullptr);
    utf8.resize((size_t)n - 1);
    return utf8;
}

int errno_from_windows(unsigned long error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
    case ERROR_INVALID_DRIVE: return ENOENT;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return EACCES;
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION: return EBUSY;
    case ERROR_ALREADY_EXISTS:
    case ERROR_FILE_EXISTS: return EEXIST;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return ENOSPC;
    case ERROR_FILENAME_EXCED_RANGE: return ENAMETOOLONG;
    case ERROR_DIRECTORY: return ENOTDIR;
    case ERROR_NOT_ENOUGH_MEMORY:
    case ERROR_OUTOFMEMORY: return ENOMEM;
    default: return EIO;
    }
}

static DWORD attributes_of(const char *path)
{
    return GetFileAttributesW(wide_text(path).c_str());
}

bool is_folder(const char *path)
{
    DWORD attributes = attributes_of(path);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool path_exists(const char *path)
{
    return attributes_of(path) != INVALID_FILE_ATTRIBUTES;
}

int make_folder(const char *path)
{
    if (CreateDirectoryW(wide_text(path).c_str(), nullptr))
        return 0;
    int error = errno_from_windows(GetLastError());
    return error == EEXIST && is_folder(path) ? 0 : error;
}

int change_folder(const char *path)
{
    return SetCurrentDirectoryW(wide_text(path).c_str()) ? 0 : errno_from_windows(GetLastError());
}

std::string absolute_path(const std::string &path)
{
    return path_exists(path.c_str()) ? path_from_here(path.c_str()) : path;
}

std::string path_from_here(const char *path)
{
    std::wstring wide = wide_text(path);
    DWORD n = GetFullPathNameW(wide.c_str(), 0, nullptr, nullptr);
    if (n == 0)
        return path;
    std::wstring full((size_t)n, L'\0');
    n = GetFullPathNameW(wide.c_str(), n, &full[0], nullptr);
    full.resize(n);
    return utf8_text(full.c_str());
}

void utf8_arguments(int &argc, char **&argv)
{
    int count = 0;
    wchar_t **wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (!wide)
        return;
    argument_texts.clear();
    for (int i = 0; i < count; i++)
        argument_texts.push_back(utf8_text(wide[i]));
    LocalFree(wide);
    argument_pointers.clear();
    for (std::string &text : argument_texts)
        argument_pointers.push_back(&text[0]);
    argument_pointers.push_back(nullptr);
    argc = count;
    argv = argument_pointers.data();
}

std::string executable_folder()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        DWORD n = GetModuleFileNameW(nullptr, &path[0], (DWORD)path.size());
        if (n == 0)
            return "";
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);  // cut short: try a longer buffer
    }
    size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? "" : utf8_text(path.substr(0, slash).c_str());
}

// The read-only mark of a folder only says how Explorer shows it, so the
// question is settled by making a file there; it goes away on closing.
bool can_write_in(const char *folder)
{
    std::string probe = std::string(folder) + "\\" + TEMP_NAME_PREFIX + "probe" +
                        std::to_string(GetCurrentProcessId());
    HANDLE file = CreateFileW(wide_text(probe).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                              FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    CloseHandle(file);
    return true;
}

// The names as the ANSI calls give them, in the ANSI code page, made UTF-8.
// False when the search cannot start or a name holds a letter the code page
// lacks (it comes back as '?', which no real name holds).
static bool list_ansi(const std::string &pattern, std::vector<std::string> &names)
{
    std::wstring wide = wide_text(pattern);
    int n = WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
    if (n <= 0)
        return false;
    std::string ansi((size_t)n, '\0');
    BOOL lost = FALSE;
    WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, &ansi[0], n, nullptr, &lost);
    if (lost)
        return false;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA(ansi.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    bool clean = true;
    do {
        if (strchr(found.cFileName, '?'))
            clean = false;
        wchar_t name[MAX_PATH];
        if (MultiByteToWideChar(CP_ACP, 0, found.cFileName, -1, name, MAX_PATH) == 0)
            clean = false;
        else
            names.push_back(utf8_text(name));
    } while (clean && FindNextFileA(search, &found));
    FindClose(search);
    return clean;
}

static bool list_wide(const std::string &pattern, std::vector<std::string> &names)
{
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW(wide_text(pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE)
        return false;
    do
        names.push_back(utf8_text(found.cFileName));
    while (FindNextFileW(search, &found));
    FindClose(search);
    return true;
}

// Windows' own directory search with the pattern "*.*", which matches every
// name; the wide search only where the ANSI one cannot say a name.
bool list_folder(const char *folder, std::vector<std::string> &names)
{
    names.clear();
    std::string pattern = std::string(folder) + "/*.*";
    if (list_ansi(pattern, names))
        return true;
    names.clear();
    return is_folder(folder) && list_wide(pattern, names);
}

FILE *open_new_file(const char *path)
{
    int fd = _wopen(wide_text(path).c_str(), _O_WRONLY | _O_CREAT | _O_EXCL | _O_BINARY,
                    _S_IREAD | _S_IWRITE);
    if (fd < 0)
        return nullptr;
    FILE *file = _fdopen(fd, "wb");
    if (!file)
        _close(fd);
    return file;
}

std::string default_game_folder()
{
    const wchar_t *appdata = _wgetenv(APPDATA_VARIABLE);
    if (!appdata || !appdata[0])
        return "";
    return utf8_text(appdata) + "\\" + GAME_FOLDER_NAME;
}

std::string start_log()
{
    if (!_wfreopen(wide_text(LOG_FILE).c_str(), L"w", stderr))
        return std::string("cannot write ") + LOG_FILE + ": " + strerror(errno);
    setvbuf(stderr, nullptr, _IONBF, 0);  // every line there at once, even before a crash
    return "";
}

// Started from a command prompt, a windowed program may still answer there.
void attach_console()
{
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out != nullptr && out != INVALID_HANDLE_VALUE)
        return;  // already has somewhere to print: a pipe, a file or Wine's terminal
    if (!AttachConsole(ATTACH_PARENT_PROCESS))
        return;
    freopen(CONSOLE_DEVICE, "w", stdout);
    freopen(CONSOLE_DEVICE, "w", stderr);
}

void tell_fatal(const std::string &message)
{
    fprintf(stderr, "rotwalk: %s\n", message.c_str());
    MessageBoxW(nullptr, wide_text(message).c_str(), L"Rotwalk", MB_OK | MB_ICONERROR);
}
#endif
