#pragma once
// Text helpers of the web request routine: header lines, cut-outs of a text, and Base64.
// Positions count bytes from 1; a match never starts on the second byte of a double-byte
// character.

#include "common/Text.h"

#include <string_view>

// The trimmed text before the first ":" of a header line, or empty when it has none.
Text headerName(std::string_view line);

// The trimmed text after the first ":" of a header line, or empty when it has none.
Text headerValue(std::string_view line);

// Everything before the first `separator` found from `start` (0 or below counts as 1), or empty
// when it is not found.
Text textBefore(std::string_view text, std::string_view separator, int start, bool ignoreCase);

// The text between `left` (searched from `start`) and the first `right` after it, or empty
// when either is missing. "#引号" in a marker stands for a double quote.
Text textBetween(std::string_view text, std::string_view left, std::string_view right, int start,
                 bool ignoreCase);

// Standard Base64 with "=" padding.
Text base64Encode(std::string_view bytes);
