#pragma once
// Whole-file reads and writes on GBK paths. Only regular files are read or written: a named
// pipe or a device met under a file's name would otherwise block the program for good.

#include "common/Text.h"

#include <string>
#include <string_view>

// Appends the bytes of the file at `path` to `out`, stopping before its first NUL byte.
// False, leaving `out` unchanged, when the file cannot be read.
bool appendFileTextUpToNul(const Text& path, std::string& out);

// Creates the file or empties an existing one, then writes `bytes`.
bool replaceFileBytes(const Text& path, std::string_view bytes);

// Creates the file when it is missing, then writes `bytes` after what it already holds.
bool appendFileBytes(const Text& path, std::string_view bytes);

// Removes the file for good.
bool deleteFile(const Text& path);
