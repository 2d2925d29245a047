#include "common/Text.h"
#include "common/Codec.h"

#include <gtest/gtest.h>

namespace {

// Test texts are written in UTF-8 and converted to GBK, as the program's literals are.
Text g(const char* utf8) {
    return gbkFromUtf8(utf8);
}

std::vector<Text> gs(std::initializer_list<const char*> parts) {
    std::vector<Text> result;
    for (const char* part : parts) {
        result.push_back(g(part));
    }
    return result;
}

struct TrimCase {
    const char* name;
    Text input;
    Text trimmed;
    Text withoutSpaces;
};

class TrimTest : public ::testing::TestWithParam<TrimCase> {};

TEST_P(TrimTest, RemovesAsciiAndFullWidthSpaces) {
    EXPECT_EQ(trimSpaces(GetParam().input), GetParam().trimmed);
    EXPECT_EQ(removeAllSpaces(GetParam().input), GetParam().withoutSpaces);
}

INSTANTIATE_TEST_SUITE_P(
    Text, TrimTest,
    ::testing::Values(
        TrimCase{"empty", "", "", ""}, TrimCase{"only_spaces", g("  　 "), "", ""},
        TrimCase{"ascii_both_ends", " a b ", "a b", "ab"},
        TrimCase{"full_width_both_ends", g("　中 文　"), g("中 文"), g("中文")},
        TrimCase{"tabs_and_breaks_stay", "\t a\r\n ", "\t a\r\n", "\ta\r\n"},
        // "÷" is A1 C2 and "×" is A1 C1: the bytes A1 A1 never form a space across two
        // characters.
        TrimCase{"no_space_across_characters", "\xA1\xC2\xA1\xA1", "\xA1\xC2", "\xA1\xC2"},
        TrimCase{"trail_byte_a1_then_space", "\xB0\xA1\xA1\xA1", "\xB0\xA1", "\xB0\xA1"}),
    [](const auto& info) { return std::string(info.param.name); });

struct SplitCase {
    const char* name;
    Text text;
    Text delimiter;
    std::vector<Text> parts;
};

class SplitTest : public ::testing::TestWithParam<SplitCase> {};

TEST_P(SplitTest, FollowsTheSplittingRules) {
    EXPECT_EQ(splitText(GetParam().text, GetParam().delimiter), GetParam().parts);
}

INSTANTIATE_TEST_SUITE_P(
    Text, SplitTest,
    ::testing::Values(
        SplitCase{"empty_text_gives_no_parts", "", "=", {}},
        SplitCase{"no_delimiter", "abc", "=", {"abc"}},
        SplitCase{"trailing_delimiter_adds_no_part", "a=b=", "=", {"a", "b"}},
        SplitCase{"leading_delimiter_gives_empty_part", "=a", "=", {"", "a"}},
        SplitCase{"empty_part_between", "a==b", "=", {"a", "", "b"}},
        SplitCase{"only_delimiter", "=", "=", {""}},
        SplitCase{"crlf_lines", "x\r\n\r\ny\r\n", "\r\n", {"x", "", "y"}},
        SplitCase{"full_width_comma", g("标题，内容，"), g("，"), gs({"标题", "内容"})},
        // "＝" in a double-byte character: the byte 3D never appears as a trail, but a
        // delimiter made of a trail and a lead byte must not match across two characters.
        SplitCase{"never_across_characters", "\xB0\xA1\xB0\xA1", "\xA1\xB0", {"\xB0\xA1\xB0\xA1"}},
        SplitCase{"double_byte_trail_equals_ascii", "\x81\x3D=x", "=", {"\x81\x3D", "x"}}),
    [](const auto& info) { return std::string(info.param.name); });

struct FindCase {
    const char* name;
    Text text;
    Text needle;
    int start;
    bool ignoreCase;
    int position;
};

class FindTest : public ::testing::TestWithParam<FindCase> {};

TEST_P(FindTest, ReturnsBytePositionFromOne) {
    const FindCase& c = GetParam();
    EXPECT_EQ(findText(c.text, c.needle, c.start, c.ignoreCase), c.position);
}

INSTANTIATE_TEST_SUITE_P(
    Text, FindTest,
    ::testing::Values(FindCase{"at_start", "abc", "a", 1, false, 1},
                      FindCase{"not_found", "abc", "d", 1, false, -1},
                      FindCase{"empty_needle", "abc", "", 1, false, -1},
                      FindCase{"case_sensitive", "Accept:", "accept:", 1, false, -1},
                      FindCase{"ignore_case", "Set-COOKIE: a", "set-cookie:", 1, true, 1},
                      FindCase{"start_skips_earlier", "a;b;c", ";", 3, false, 4},
                      FindCase{"start_zero_counts_as_one", "a;b", ";", 0, false, 2},
                      FindCase{"start_past_end", "a;b", ";", 9, false, -1},
                      FindCase{"counts_bytes", g("中文=x"), "=", 1, false, 5},
                      FindCase{"never_on_trail_byte",
                               "\xB0\x41"
                               "A",
                               "A", 1, false, 3},
                      FindCase{"ignore_case_only_ascii", "\xB0\xC1", "\xB0\xE1", 1, true, -1}),
    [](const auto& info) { return std::string(info.param.name); });

struct ReplaceCase {
    const char* name;
    Text text;
    Text from;
    Text to;
    bool ignoreCase;
    Text result;
};

class ReplaceTest : public ::testing::TestWithParam<ReplaceCase> {};

TEST_P(ReplaceTest, ReplacesEveryOccurrence) {
    const ReplaceCase& c = GetParam();
    EXPECT_EQ(replaceAll(c.text, c.from, c.to, c.ignoreCase), c.result);
}

INSTANTIATE_TEST_SUITE_P(
    Text, ReplaceTest,
    ::testing::Values(ReplaceCase{"every_occurrence", "content-type: a\r\ncontent-type: b",
                                  "content-type", "Content-Type", false,
                                  "Content-Type: a\r\nContent-Type: b"},
                      ReplaceCase{"case_sensitive_leaves_other_case", "Content-type",
                                  "content-type", "X", false, "Content-type"},
                      ReplaceCase{"ignoring_case", "Set-Cookie: a; SET-COOKIE:b", "set-cookie:", "",
                                  true, " a; b"},
                      ReplaceCase{"replacement_not_searched_again", "aa", "a", "aa", false, "aaaa"},
                      ReplaceCase{"empty_from_unchanged", "abc", "", "x", false, "abc"},
                      ReplaceCase{"never_on_trail_byte",
                                  "\xB0\x41"
                                  "A",
                                  "A", "b", false,
                                  "\xB0\x41"
                                  "b"},
                      ReplaceCase{"to_empty", g("a　b"), g("　"), "", false, "ab"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Text, DecimalHasNoLeadingZerosAndKeepsTheSign) {
    EXPECT_EQ(decimal(0), "0");
    EXPECT_EQ(decimal(7), "7");
    EXPECT_EQ(decimal(-1), "-1");
    EXPECT_EQ(decimal(2147483647), "2147483647");
}

TEST(Codec, LiteralsAreGbkBytes) {
    EXPECT_EQ("提示："_gbk, "\xCC\xE1\xCA\xBE\xA3\xBA");
    EXPECT_EQ("[自定义名称]"_gbk.size(), 12u);
    // The same literal is converted once and always gives the same object.
    EXPECT_EQ(&"提示："_gbk, &"提示："_gbk);
}

TEST(Codec, QtRoundTripKeepsCharactersOutsideGbk) {
    const QString typed = QString::fromUtf8("中文 é \U0001F600 \u20AC");
    EXPECT_EQ(toQt(fromQt(typed)), typed);
}

TEST(Codec, GbkBytesReadAsTheirCharacters) {
    EXPECT_EQ(toQt("\xD6\xD0\xCE\xC4"), QString::fromUtf8("中文"));
    EXPECT_EQ(toQt(""), QString());
    EXPECT_EQ(toQt("a\x81"), QString::fromUtf8("a\uFFFD")) << "a lead byte at the end is kept";
    EXPECT_EQ(toQt("\x81\x30\x81"), QString::fromUtf8("\uFFFD0\uFFFD")) << "a cut four-byte form";
    EXPECT_EQ(toQt("a\r\n"), QString("a\r\n"));
}

} // namespace
