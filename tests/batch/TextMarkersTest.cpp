#include "batch/TextMarkers.h"

#include "common/Codec.h"

#include <gtest/gtest.h>

namespace {

struct MarkerCase {
    const char* name;
    Text source;
    Text expanded;
};

class TextMarkers : public ::testing::TestWithParam<MarkerCase> {};

INSTANTIATE_TEST_SUITE_P(
    Markers, TextMarkers,
    ::testing::Values(
        MarkerCase{"empty", "", ""}, MarkerCase{"backquotes", "a`b`", "a\"b\""},
        MarkerCase{"tildes_alternate", "~x~y~", gbkFromUtf8("“x”y“")},
        MarkerCase{"line_break", "a%nb", "a\r\nb"},
        MarkerCase{"double_line_break", "a%Nb", "a\r\n\r\nb"},
        MarkerCase{"every_line_break", "%n%n", "\r\n\r\n"},
        MarkerCase{"first_value_marker_only", "%s and %d", gbkFromUtf8("(空) and %d")},
        MarkerCase{"quoted_value", "%t", gbkFromUtf8("\"(空)\"")},
        MarkerCase{"full_width_quoted_value", "%T %t", gbkFromUtf8("“(空)” %t")},
        MarkerCase{"number_value", "%d%f", gbkFromUtf8("(空)%f")},
        MarkerCase{"line_break_is_no_value_marker", "%n%f", gbkFromUtf8("\r\n(空)")},
        MarkerCase{"percent_before_other", "%x 100%", "%x 100%"},
        MarkerCase{"percent_before_marker", "%%s", gbkFromUtf8("%(空)")},
        MarkerCase{"second_bytes_stay", "\x81`\x81~\x81%", "\x81`\x81~\x81%"},
        MarkerCase{"chinese_around", gbkFromUtf8("标题~甲~%s"), gbkFromUtf8("标题“甲”(空)")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(TextMarkers, expandsInOnePass) {
    EXPECT_EQ(expandTextMarkers(GetParam().source), GetParam().expanded);
}

} // namespace
