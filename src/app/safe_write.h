// safe_write.h -- reading and replacing the game's own files so that neither a strange file nor a failed write can hurt the game
#pragma once

#include <string>

const int NEW_FILE_MODE = 0644;               // permissions of a file that did not exist before
const char TEMP_NAME_PREFIX[] = ".rotwalk_";  // temporary files of a replacement begin so
const int STALE_TEMP_SECONDS = 60;            // older temporaries are left over from a killed save
const long MAX_READ_BYTES = 4L << 20;         // no file of the game is near this size

// Writes the contents to a temporary file in the folder of the file finally
// written (a symbolic link is followed to its target), flushes it to disk and
// renames it over that file (on Windows, which renames over no file, moves it
// there with MoveFileExW). A file without any write permission is not
// replaced. Returns 0, or the errno of the failure; on failure the temporary
// file is removed and the old file stays as it was.
int replace_file(const char *path, const std::string &contents);

// Reads a whole regular file (after following links). Anything else (a
// folder, a device, a pipe), a file past MAX_READ_BYTES or a read error
// gives the errno of the failure and leaves `contents` empty; 0 on success.
int read_regular_file(const char *path, std::string &contents);
// The first `max_bytes` of a regular file of any size, refused as above.
int read_file_start(const char *path, long max_bytes, std::string &contents);
// A whole regular file of at most `max_bytes`, refused as above.
int read_file_within(const char *path, long max_bytes, std::string &contents);
// What the three above share, each system's own: up to `limit` bytes, a
// larger file refused whole, or read only as far as the limit when `cut`.
int read_regular(const char *path, long limit, bool cut, std::string &contents);
// Appends what one read gave within the limit; EFBIG past it unless `cut`.
int keep_read_bytes(std::string &contents, const char *bytes, size_t n, long limit, bool cut);

// Removes the regular files beginning with TEMP_NAME_PREFIX and older than
// STALE_TEMP_SECONDS from the folder, and from every folder its symbolic
// links point into: saves that were killed half-way. Returns how many were
// removed.
int remove_stale_temporaries(const char *folder);
bool is_temporary_name(const char *name);

// A whole decimal word of a file or the command line, from low to high:
// "", "12abc", "1.5" and numbers out of range are refused.
bool parse_whole_number(const char *text, long low, long high, long &value);
