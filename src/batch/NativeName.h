#pragma once
// A path of the program is GBK text; the file system here names files in UTF-8. The two meet
// through GB18030, which carries every GBK character unchanged and every other character too,
// so a name from the disk makes the round trip whatever it holds.

#include "common/Text.h"

#include <optional>
#include <string>
#include <string_view>

// The native (UTF-8) form of a GBK path, or nothing when the path cannot name a file (it holds
// a NUL byte, which would silently cut the name short).
std::optional<std::string> nativeName(std::string_view path);

// The GBK text of a native name, or nothing when the name is no valid UTF-8: such a name could
// not be converted back to itself, so the program could never name that file again.
std::optional<Text> textFromNativeName(std::string_view name);
