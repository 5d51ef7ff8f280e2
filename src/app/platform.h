// platform.h -- the operating system's folder and file calls the game needs, on POSIX systems and on Windows
#pragma once

#include <cstdio>
#include <string>
#include <vector>

// Paths are UTF-8 everywhere in the game; the Windows build turns them into
// UTF-16 at each call, so a profile folder with accented letters works. Both
// '/' and, on Windows, '\' separate folders.

#ifdef _WIN32
const char FOLDER_SEPARATORS[] = "/\\";
#else
const char FOLDER_SEPARATORS[] = "/";
#endif

bool is_folder(const char *path);
bool path_exists(const char *path);  // anything there, a link to nowhere included
// Creates one folder. 0 when it was made or already is a folder, else the errno.
int make_folder(const char *path);
int change_folder(const char *path);  // 0 or the errno
// The absolute form of a path to something that exists; the path itself otherwise.
std::string absolute_path(const std::string &path);
// A path as the current folder sees it now, made absolute whether or not
// anything is there, so that it keeps its meaning when the folder changes.
std::string path_from_here(const char *path);
// Windows hands the program its arguments in the ANSI code page: there they
// are read again as UTF-8 from the wide command line. Elsewhere unchanged.
void utf8_arguments(int &argc, char **&argv);
std::string executable_folder();  // the folder of the running program; empty when unknown
// Whether files can be made in the folder: on Windows, where the folder's own
// read-only mark means nothing, by making and removing one.
bool can_write_in(const char *folder);
// The names of every entry of a folder, "." and ".." included where the
// system reports them, in the order the system delivers them. False when
// the folder cannot be listed.
bool list_folder(const char *folder, std::vector<std::string> &names);
// Opens a new file for writing in binary; null, with errno EEXIST, when
// something of that name is already there.
FILE *open_new_file(const char *path);
// The player's own folder for the game's files: $XDG_DATA_HOME/rotwalk or
// ~/.local/share/rotwalk, or %APPDATA%\Rotwalk on Windows. Empty without one.
#ifdef _WIN32
const char GAME_FOLDER_NAME[] = "Rotwalk";  // inside %APPDATA%
#else
const char GAME_FOLDER_NAME[] = "rotwalk";  // inside $XDG_DATA_HOME
#endif
std::string default_game_folder();
// A windowed Windows program has no console: what it prints on stderr goes to
// this file in the game folder instead. Elsewhere stderr stays as it is.
const char LOG_FILE[] = "rotwalk.log";
// On Windows, sends stderr to LOG_FILE in the current folder, and the
// command line's own answers (stdout) to the console it was started from.
// Returns "" or why the log could not be opened.
std::string start_log();
void attach_console();
// A failure that stops the game before its window opens: on Windows, where
// nobody reads stderr, it is also shown in a message box.
void tell_fatal(const std::string &message);

#ifdef _WIN32
extern std::vector<std::string> argument_texts;  // the UTF-8 arguments
extern std::vector<char *> argument_pointers;    // argv into argument_texts
// The Windows calls take UTF-16; their errors are turned into errno values so
// that the rest of the game tells them as it tells the POSIX ones.
std::wstring wide_text(const std::string &utf8);
std::string utf8_text(const wchar_t *wide);
int errno_from_windows(unsigned long error);
#endif
