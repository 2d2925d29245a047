#pragma once
// Path texts of the batch operations. Paths are GBK text joined with "/"; every search steps
// over double-byte characters whole, so the second byte of a character (which may be 0x5C "\"
// or 0x7C "|") is never read as a character of its own.

#include "common/Text.h"

#include <string_view>

inline constexpr char kPathSeparator = '/';

// The characters no file name may hold.
inline constexpr std::string_view kForbiddenNameCharacters = "?/\\<>*|:\"";

// The text up to and including its last separator; the empty text when it holds none.
Text folderPartOf(std::string_view text);

// True when `path` may be the new name of a file: it is absolute, and its file-name part (after
// the last separator) is not empty and holds none of ? / \ < > * | : and the double quote.
bool isValidTargetPath(std::string_view path);

// True when `name` holds one of the nine characters no file name may hold.
bool holdsForbiddenNameCharacter(std::string_view name);

// The extension of a file name: from its last "." to the end, where a "." that is followed
// later by a space or a separator does not count. Empty when there is none.
std::string_view extensionOf(std::string_view path);

// `path` with its extension (by the rule above) replaced by `extension`, or with `extension`
// appended when it has none. `extension` includes its dot.
Text withExtension(std::string_view path, std::string_view extension);
