#pragma once
// Conversions between the program's GBK text and the UTF-8 of the network.

#include "common/Text.h"

#include <string>
#include <string_view>

// GBK text (GB18030, so nothing typed is lost) to UTF-8 bytes.
std::string utf8FromGbk(std::string_view gbk);

// UTF-8 bytes to GBK text by the Windows rules of the chat reply: an invalid sequence becomes
// U+FFFD, a character without a GBK form (U+FFFD, a byte-order mark, an emoji) becomes "?",
// and the text ends at its first zero byte.
Text utf8ToGbk(std::string_view utf8);
