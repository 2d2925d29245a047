#pragma once
// The calculator's numbers as texts: what an operand is worth and how a result is written.
// Both work without the C library's locale, so a decimal comma in the user's environment can
// never turn "0.3" into "0,3" or stop a point from being read.

#include "common/Text.h"

#include <string_view>

// The value of the longest decimal number at the start of `text`: optional blanks, an optional
// sign, digits with an optional point and fraction (or a point and a fraction), and an optional
// exponent ("e+013"). Text that starts with no number gives 0. Hexadecimal forms and the words
// "inf" and "nan" are not numbers here. A number too large for a double gives an infinity, one
// too small for it a zero, each with the number's sign.
double parseNumber(std::string_view text);

// Writes `value` as "%.13g" does, but with an exponent of at least three digits ("1e+013",
// "4.489659216976e-011"), and the same on every platform. Negative zero is "-0". Values that are
// not finite are "inf", "-inf" and "nan"; a NaN is "nan" whatever its sign bit, because the
// hardware's choice of sign for an invalid operation means nothing to the user.
Text formatNumber(double value);
