#include "calc/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

using Limits = std::numeric_limits<double>;

struct FormatCase {
    const char* name;
    double value;
    Text text;
};

class FormatNumberTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberTest, WritesThirteenDigitsAndThreeDigitExponents) {
    const FormatCase& c = GetParam();
    EXPECT_EQ(formatNumber(c.value), c.text);
    // A result becomes the next first operand as text, so a written number must read back to
    // a value that is written the same way again.
    if (std::isfinite(c.value)) {
        EXPECT_EQ(formatNumber(parseNumber(c.text)), c.text) << "read back";
    }
}

INSTANTIATE_TEST_SUITE_P(
    NumberText, FormatNumberTest,
    ::testing::Values(
        FormatCase{"zero", 0.0, "0"}, FormatCase{"negative_zero", -0.0, "-0"},
        FormatCase{"integer", 15.0, "15"}, FormatCase{"negative_fraction", -1.5, "-1.5"},
        FormatCase{"trailing_zeros_dropped", 100.0, "100"},
        FormatCase{"thirteen_digits_plain", 1234567890123.0, "1234567890123"},
        FormatCase{"largest_plain", 9999999999999.0, "9999999999999"},
        FormatCase{"ten_to_the_thirteen", 1e13, "1e+013"},
        FormatCase{"negative_ten_to_the_thirteen", -1e13, "-1e+013"},
        FormatCase{"fourteen_digits", 12345678901234.0, "1.234567890123e+013"},
        FormatCase{"thirteenth_digit_rounded_down", 0.12345678901234, "0.1234567890123"},
        FormatCase{"thirteenth_digit_rounded_up", 0.12345678901236, "0.1234567890124"},
        FormatCase{"two_thirds", 2.0 / 3.0, "0.6666666666667"},
        FormatCase{"point_one_plus_point_two", 0.1 + 0.2, "0.3"},
        FormatCase{"rounding_carries_into_next_digit", 9.99999999999996, "10"},
        FormatCase{"rounding_carries_into_exponent_form", 9999999999999.6, "1e+013"},
        FormatCase{"smallest_plain", 0.0001, "0.0001"},
        FormatCase{"one_digit_exponent", 0.00001, "1e-005"},
        FormatCase{"one_digit_exponent_negative_value", -1.5e-7, "-1.5e-007"},
        FormatCase{"two_digit_exponent", 4.4896592169761591e-11, "4.489659216976e-011"},
        FormatCase{"two_digit_exponent_positive", 2.5e99, "2.5e+099"},
        FormatCase{"three_digit_exponent", 1e100, "1e+100"},
        FormatCase{"three_digit_exponent_negative", -1e-100, "-1e-100"},
        FormatCase{"largest_double", Limits::max(), "1.797693134862e+308"},
        FormatCase{"negative_largest_double", -Limits::max(), "-1.797693134862e+308"},
        FormatCase{"smallest_normal", Limits::min(), "2.225073858507e-308"},
        FormatCase{"largest_subnormal", 2.2250738585072009e-308, "2.225073858507e-308"},
        FormatCase{"smallest_subnormal", Limits::denorm_min(), "4.940656458412e-324"},
        FormatCase{"negative_smallest_subnormal", -Limits::denorm_min(), "-4.940656458412e-324"},
        FormatCase{"infinity", Limits::infinity(), "inf"},
        FormatCase{"negative_infinity", -Limits::infinity(), "-inf"},
        FormatCase{"nan", Limits::quiet_NaN(), "nan"},
        // An invalid operation on this hardware gives a NaN with its sign bit set.
        FormatCase{"nan_with_sign_bit", std::copysign(Limits::quiet_NaN(), -1.0), "nan"}),
    [](const auto& info) { return std::string(info.param.name); });

struct ParseCase {
    const char* name;
    std::string text;
    double value;
};

class ParseNumberTest : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberTest, ReadsTheLongestDecimalNumberAtTheStart) {
    const double value = parseNumber(GetParam().text);
    EXPECT_EQ(value, GetParam().value);
    EXPECT_EQ(std::signbit(value), std::signbit(GetParam().value)) << "sign of " << value;
}

const std::string fourHundredZeros(400, '0');

INSTANTIATE_TEST_SUITE_P(
    NumberText, ParseNumberTest,
    ::testing::Values(
        // No number at the start.
        ParseCase{"empty", "", 0.0}, ParseCase{"letters", "abc", 0.0},
        ParseCase{"sign_only", "-", 0.0}, ParseCase{"point_only", ".", 0.0},
        ParseCase{"sign_and_point", "-.", 0.0}, ParseCase{"exponent_only", "e5", 0.0},
        ParseCase{"blank_after_sign", "- 5", 0.0}, ParseCase{"two_signs", "--5", 0.0},
        ParseCase{"word_inf", "inf", 0.0}, ParseCase{"word_negative_inf", "-inf", 0.0},
        ParseCase{"word_infinity", "infinity", 0.0}, ParseCase{"word_nan", "nan", 0.0},
        ParseCase{"hexadecimal", "0x1A", 0.0}, ParseCase{"hexadecimal_float", "0x1p3", 0.0},

        // Numbers, with what may precede and follow them.
        ParseCase{"integer", "12", 12.0}, ParseCase{"leading_zeros", "007", 7.0},
        ParseCase{"zero_before_digit", "02", 2.0}, ParseCase{"negative_zero", "-0", -0.0},
        ParseCase{"plus_sign", "+7", 7.0}, ParseCase{"leading_blanks", "  12", 12.0},
        ParseCase{"leading_tab_and_break", "\t\n-3.5", -3.5},
        ParseCase{"blank_sign_point_fraction", "  +.5", 0.5},
        ParseCase{"trailing_point", "5.", 5.0}, ParseCase{"second_point_ends", "1.5.6", 1.5},
        ParseCase{"letters_end", "12abc", 12.0},
        ParseCase{"nearest_double", "0.1000000000000000055511151231257827", 0.1},

        // Exponents.
        ParseCase{"three_digit_exponent", "1e+013", 1e13},
        ParseCase{"negative_exponent", "4.489659216976e-011", 4.489659216976e-11},
        ParseCase{"upper_case_exponent", "2E3", 2000.0},
        ParseCase{"point_then_exponent", "5.e2", 500.0},
        ParseCase{"exponent_without_digits", "5e", 5.0},
        ParseCase{"exponent_sign_without_digits", "5e+x", 5.0},
        ParseCase{"point_after_exponent_ends", "-1e+013.5", -1e13},

        // The ends of the range.
        ParseCase{"largest_double", "1.7976931348623157e308", Limits::max()},
        ParseCase{"largest_double_as_written", "1.797693134862e+308", 1.797693134862e308},
        ParseCase{"smallest_subnormal", "4.940656458412e-324", Limits::denorm_min()},
        ParseCase{"smallest_normal", "-2.2250738585072014e-308", -Limits::min()},
        ParseCase{"above_range", "1e309", Limits::infinity()},
        ParseCase{"negative_above_range", "-1e309", -Limits::infinity()},
        ParseCase{"long_integer_above_range", "1" + fourHundredZeros, Limits::infinity()},
        ParseCase{"below_range", "1e-400", 0.0}, ParseCase{"negative_below_range", "-2e-324", -0.0},
        ParseCase{"huge_exponent", "1e99999999999999999999", Limits::infinity()},
        ParseCase{"huge_negative_exponent", "1e-99999999999999999999", 0.0},
        ParseCase{"zero_with_huge_exponent", "0e99999999999999999999", 0.0},
        ParseCase{"long_mantissa_scaled_back", "1" + fourHundredZeros + "e-400", 1.0},
        ParseCase{"long_fraction_scaled_back", "0." + fourHundredZeros + "1e400", 0.1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
