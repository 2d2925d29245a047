#include "batch/CountReading.h"

#include "common/Codec.h"

#include <gtest/gtest.h>

namespace {

struct CountCase {
    const char* name;
    Text typed;
    long long files;
    long long progressDivisor;
};

class CountReading : public ::testing::TestWithParam<CountCase> {};

INSTANTIATE_TEST_SUITE_P(
    Counts, CountReading,
    ::testing::Values(
        CountCase{"whole", "3", 3, 3}, CountCase{"fraction_cut", "2.9", 2, 2},
        CountCase{"leading_spaces", "  5", 5, 5}, CountCase{"trailing_text", "4 files", 4, 4},
        CountCase{"plus_sign", "+4", 4, 4}, CountCase{"zero", "0", 0, 0},
        CountCase{"no_number", "abc", 0, 0}, CountCase{"empty", "", 0, 0},
        CountCase{"negative", "-3", 0, 0}, CountCase{"negative_fraction", "-0.5", 0, 0},
        CountCase{"full_width_digits", gbkFromUtf8("１２"), 12, 12},
        CountCase{"full_width_space_and_point", gbkFromUtf8("　３．５"), 3, 3},
        CountCase{"exponent", "1e2", 100, 1}, CountCase{"leading_point", ".5e1", 5, 5},
        CountCase{"exponent_without_digits", "7e", 7, 7},
        CountCase{"huge", "1e999", kLargestFileCount, 1}, CountCase{"tiny", "1e-999", 0, 1},
        CountCase{"many_digits", "99999999999999999999999", kLargestFileCount,
                  9223372036854775807LL}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(CountReading, readsCountAndProgressDivisor) {
    EXPECT_EQ(fileCountOf(GetParam().typed), GetParam().files);
    EXPECT_EQ(progressDivisorOf(GetParam().typed), GetParam().progressDivisor);
}

TEST(FullWidth, readsAsAsciiWithoutSplittingCharacters) {
    EXPECT_EQ(asciiFromFullWidth(gbkFromUtf8("１ａ　Ｚ")), "1a Z");
    // A3 as the second byte of a character, and a lone A3 at the end, stay as they are.
    EXPECT_EQ(asciiFromFullWidth("\xB0\xA3\xB0"), "\xB0\xA3\xB0");
    EXPECT_EQ(asciiFromFullWidth(gbkFromUtf8("汉字")), gbkFromUtf8("汉字"));
}

} // namespace
