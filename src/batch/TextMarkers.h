#pragma once
// The markers a line-splitting source may hold, expanded before it is split.

#include "common/Text.h"

#include <string_view>

// Rewrites, in one pass from the left: every "`" into a double quote; the "~" in turn into
// "“", "”", "“" and so on; "%n" into CR LF and "%N" into CR LF CR LF; the first value marker
// of the whole text ("%" followed by s, d, f, t or T) into "(空)", for "%t" between two double
// quotes and for "%T" between "“" and "”". Later value markers, and a "%" before any other
// character, stay as they are.
Text expandTextMarkers(std::string_view text);
