// safe_write.h -- replacing a file's contents so that a failed write never loses the old ones
#pragma once

#include <string>

const int NEW_FILE_MODE = 0644;  // permissions of a file that did not exist before

// Writes the contents to a temporary file in the same folder, flushes it to
// disk and renames it over the path. On any failure the temporary file is
// removed, the old file stays as it was, and the result is false.
bool replace_file(const char *path, const std::string &contents);
