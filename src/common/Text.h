#pragma once
// Every text of the program is a byte string in GBK: captions, messages, file contents and
// file names. Positions count bytes from 1; a byte of 0x80 or above starts a double-byte
// character.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

using Text = std::string;

// True when the byte at `pos` starts a double-byte character. A lead byte in the last
// position has no partner and counts as a character of its own.
inline std::size_t characterLength(std::string_view text, std::size_t pos) {
    return static_cast<unsigned char>(text[pos]) >= 0x80 && pos + 1 < text.size() ? 2 : 1;
}

// Removes ASCII spaces and full-width spaces (A1 A1) at both ends; tabs and line breaks stay.
Text trimSpaces(std::string_view text);

// Removes every ASCII space and every full-width space.
Text removeAllSpaces(std::string_view text);

// Splits at every occurrence of `delimiter`. An empty text gives no parts; each delimiter ends
// one part, possibly empty; after the last delimiter the rest is a part only if it is not empty.
// A delimiter never matches across a character boundary. An empty delimiter gives the whole
// text as its only part.
std::vector<Text> splitText(std::string_view text, std::string_view delimiter);

// Position (from 1) of the first occurrence of `needle` starting at or after byte position
// `start` (0 or below counts as 1), or -1. With `ignoreCase` ASCII letters match either case.
// A match never starts on the second byte of a double-byte character. An empty needle is
// never found.
int findText(std::string_view text, std::string_view needle, int start = 1,
             bool ignoreCase = false);

// Replaces every occurrence of `from` by `to`, scanning left to right; a replacement is never
// searched again. An empty `from` leaves the text unchanged.
Text replaceAll(std::string_view text, std::string_view from, std::string_view to,
                bool ignoreCase = false);

// A plain decimal number without leading zeros ("-1" for -1).
Text decimal(long long value);
