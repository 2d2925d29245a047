#pragma once
// Splitting the lines of a text into files named after their first words.

#include "common/Text.h"

#include <functional>
#include <string_view>

// Splits `text` into lines at CR LF and each line at single spaces into words, and appends
// every word of a line, each followed by CR LF, to the file `folder` + "/" + first word +
// ".TXT", creating it when missing. A line gives no file when it is empty, or its first word
// is empty, is "." or "..", or holds a separator or a character no file name may hold: a
// source never makes the run write outside `folder`. The appends of one file are gathered and
// written together, so a large source costs time in proportion to its size. After line k of n
// `setProgress` gets floor((k + 1) / n × 1000), at most 1000.
void splitLinesIntoFiles(std::string_view text, const Text& folder,
                         const std::function<void(int)>& setProgress);
