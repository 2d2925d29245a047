#pragma once
// Reading the number of files to generate from what the user typed. Full-width digits,
// signs, the full-width point and the full-width space read as their ASCII forms.

#include "common/Text.h"

#include <string_view>

// The largest count a run creates: the original counted in 32-bit integers.
inline constexpr long long kLargestFileCount = 2147483647;

// Every GBK full-width character of the ASCII range (lead byte A3) as its ASCII form, and the
// full-width space (A1 A1) as a space; everything else unchanged.
Text asciiFromFullWidth(std::string_view text);

// The text read as a decimal real number: leading white space skipped, an optional sign,
// digits with an optional point and fraction, an optional exponent; reading stops at the
// first character that does not fit, and no number gives 0.
double readRealNumber(std::string_view text);

// The text read as a decimal integer: leading white space skipped, an optional sign, digits
// up to the first non-digit; no number gives 0.
long long readInteger(std::string_view text);

// How many files a count text asks for: its real number with the fraction cut toward zero,
// never below 0 and never above kLargestFileCount.
long long fileCountOf(std::string_view countText);

// The number the progress of a generation run is measured against: the count text read as an
// integer, or, where that gives no positive number while the count does (a count written
// "1e2" or ".5e1"), the count itself.
long long progressDivisorOf(std::string_view countText);
