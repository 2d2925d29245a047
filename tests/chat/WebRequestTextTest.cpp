#include "chat/WebRequestText.h"
#include "chat/WebRequest.h"
#include "common/Codec.h"

#include <gtest/gtest.h>

namespace {

TEST(HeaderLineTest, NameAndValueAreTrimmedAroundTheFirstColon) {
    EXPECT_EQ(headerName(" Referer : http://a/b:c "), "Referer");
    EXPECT_EQ(headerValue(" Referer : http://a/b:c "), "http://a/b:c");
    EXPECT_EQ(headerName("no colon here"), "");
    EXPECT_EQ(headerValue("no colon here"), "");
    EXPECT_EQ(headerValue("X-Tab:\tvalue"), "\tvalue");
}

TEST(TextCutTest, TextBeforeSearchesFromTheStartPosition) {
    EXPECT_EQ(textBefore("Set-Cookie: a=1", ": ", 1, false), "Set-Cookie");
    EXPECT_EQ(textBefore("a: b: c", ": ", 3, false), "a: b");
    EXPECT_EQ(textBefore("a: b", ": ", 0, false), "a");
    EXPECT_EQ(textBefore("aXb", "x", 1, false), "");
    EXPECT_EQ(textBefore("aXb", "x", 1, true), "a");
}

TEST(TextCutTest, TextBetweenNeedsBothMarkers) {
    EXPECT_EQ(textBetween("Set-Cookie: sid=1; Path=/", "Set-Cookie:", ";", 1, false), " sid=1");
    EXPECT_EQ(textBetween("x=\"quoted\" y", "#引号"_gbk, "#引号"_gbk, 1, false), "quoted");
    EXPECT_EQ(textBetween("left only", "left", ";", 1, false), "");
    EXPECT_EQ(textBetween("no markers", "[", "]", 1, false), "");
    EXPECT_EQ(textBetween("[a][b]", "[", "]", 3, false), "b");
    EXPECT_EQ(textBetween("SET-COOKIE: k=v;", "set-cookie:", ";", 1, true), " k=v");
}

TEST(TextCutTest, AMatchNeverStartsInsideADoubleByteCharacter) {
    // "中" is D6 D0: its second byte followed by "A" is no match.
    EXPECT_EQ(textBefore("中A"_gbk,
                         "\xD0"
                         "A",
                         1, false),
              "");
    EXPECT_EQ(textBetween("中A]"_gbk,
                          "\xD0"
                          "A",
                          "]", 1, false),
              "");
}

TEST(Base64Test, EncodesWithPadding) {
    EXPECT_EQ(base64Encode(""), "");
    EXPECT_EQ(base64Encode("f"), "Zg==");
    EXPECT_EQ(base64Encode("fo"), "Zm8=");
    EXPECT_EQ(base64Encode("foo"), "Zm9v");
    EXPECT_EQ(base64Encode("foobar"), "Zm9vYmFy");
    EXPECT_EQ(base64Encode("user:pa\xFF"), "dXNlcjpwYf8=");
}

struct UrlCase {
    const char* name;
    Text typed;
    Text onWire;
};

class RequestLineUrlTest : public ::testing::TestWithParam<UrlCase> {};

TEST_P(RequestLineUrlTest, EncodesOnlyWhatMayNotStandRaw) {
    EXPECT_EQ(requestLineUrl(GetParam().typed), GetParam().onWire);
}

INSTANTIATE_TEST_SUITE_P(
    Urls, RequestLineUrlTest,
    ::testing::Values(
        UrlCase{"PlainUrlUnchanged", "http://h/api.php?q=a&k=1", "http://h/api.php?q=a&k=1"},
        UrlCase{"QuerySignsStayAsTyped", "http://h/?q=1+1=2&x#y%z", "http://h/?q=1+1=2&x#y%z"},
        UrlCase{"SpaceAndLineBreakAreEncoded", "http://h/?q=a b\r\nX-Injected: 1",
                "http://h/?q=a%20b%0D%0AX-Injected:%201"},
        UrlCase{"ControlsAndDelAreEncoded", "http://h/?q=\t\x7F", "http://h/?q=%09%7F"},
        UrlCase{"ChineseGoesAsUtf8", "http://h/?q="_gbk + "中文"_gbk,
                "http://h/?q=%E4%B8%AD%E6%96%87"}),
    [](const ::testing::TestParamInfo<UrlCase>& info) { return std::string(info.param.name); });

} // namespace
