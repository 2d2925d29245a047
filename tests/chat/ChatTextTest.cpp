#include "chat/ChatText.h"
#include "chat/EditBoxText.h"
#include "chat/Utf8Conversion.h"
#include "common/Codec.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

TEST(ChatTextTest, TimeStampHasNoLeadingZerosAndFullWidthColons) {
    EXPECT_EQ(chatTimeStamp({2019, 1, 26, 9, 5, 7}), "9\xA3\xBA"
                                                     "5\xA3\xBA"
                                                     "7");
    EXPECT_EQ(chatTimeStamp({2019, 1, 26, 0, 0, 0}), "0：0：0"_gbk);
    EXPECT_EQ(chatTimeStamp({2019, 1, 26, 23, 59, 59}), "23：59：59"_gbk);
}

TEST(ChatTextTest, EntryIsNicknameFourSpacesStampAndTextOnItsOwnLine) {
    EXPECT_EQ(transcriptEntry("Milvo", "9：5：7"_gbk, "你好"_gbk),
              "Milvo    9：5：7\r\n你好\r\n"_gbk);
    EXPECT_EQ(transcriptEntry("小小"_gbk, "1：2：3"_gbk, ""), "小小    1：2：3\r\n\r\n"_gbk);
}

TEST(ChatTextTest, HelpTextIsTwelveLinesAndAnEmptyOne) {
    const Text& help = chatHelpText();
    const std::vector<Text> lines = splitText(help, "\r\n");
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], "指令_______示例________说明_______返回格式"_gbk);
    EXPECT_EQ(lines[2], "地区天气 上海天气 查询上海的天气预报（市级或县级地区） 普通文本"_gbk);
    EXPECT_EQ(lines[11], "@cy四字成语 @cy一马当先 【一马当先】的成语接龙 普通文本"_gbk);
    EXPECT_EQ(lines[12], "");
    EXPECT_EQ(help.substr(help.size() - 4), "\r\n\r\n");
    EXPECT_EQ(help.find("  "), Text::npos);
    // Only CR LF breaks lines.
    EXPECT_EQ(std::count(help.begin(), help.end(), '\n'), 13);
    EXPECT_EQ(std::count(help.begin(), help.end(), '\r'), 13);
}

TEST(ChatTextTest, RequestUrlCarriesTheMessageAsTypedThenKeyAndSecret) {
    const ChatbotEndpoint endpoint{"bot.example:8080", "0123456789abcdef0123456789abcdef",
                                   "abc123def456"};
    EXPECT_EQ(chatRequestUrl(endpoint, "a&b=c#d+e f\r\n"),
              "http://bot.example:8080/api.php?question=a&b=c#d+e f\r\n"
              "&api_key=0123456789abcdef0123456789abcdef&api_secret=abc123def456");
}

struct DecodeCase {
    const char* name;
    std::string utf8;
    Text gbk;
};

class Utf8ToGbkTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(Utf8ToGbkTest, FollowsThePlatformRules) {
    EXPECT_EQ(utf8ToGbk(GetParam().utf8), GetParam().gbk);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, Utf8ToGbkTest,
    ::testing::Values(DecodeCase{"Empty", "", ""}, DecodeCase{"Ascii", "ok 1", "ok 1"},
                      DecodeCase{"Chinese", "\xE4\xBD\xA0\xE5\xA5\xBD", "你好"_gbk},
                      DecodeCase{"ByteOrderMarkBecomesQuestionMark", "\xEF\xBB\xBFok", "?ok"},
                      DecodeCase{"InvalidSequenceBecomesQuestionMark", "a\xC3(b", "a?(b"},
                      DecodeCase{"EmojiBecomesQuestionMark", "a\xF0\x9F\x98\x80z", "a?z"},
                      DecodeCase{"ZeroWidthSpaceBecomesQuestionMark", "a\xE2\x80\x8Bz", "a?z"},
                      DecodeCase{"EuroSignHasItsCodePageByte", "\xE2\x82\xAC", "\x80"},
                      DecodeCase{"TextEndsAtTheFirstZeroByte", std::string("ab\0cd", 5), "ab"}),
    [](const ::testing::TestParamInfo<DecodeCase>& info) { return std::string(info.param.name); });

TEST(ChatTextTest, ReplyDropsTheLeadingByteOrderMarkAndNothingElse) {
    EXPECT_EQ(chatReplyText("\xEF\xBB\xBF\xE5\xA5\xBD\xE7\x9A\x84"), "好的"_gbk);
    EXPECT_EQ(chatReplyText("\xE5\xA5\xBD\xE7\x9A\x84"), "好的"_gbk);
    EXPECT_EQ(chatReplyText("A"), "A");
    EXPECT_EQ(chatReplyText("\xEF\xBB\xBF"), "");
    EXPECT_EQ(chatReplyText(""), "");
    // Only the first mark is the service's; a second one is text.
    EXPECT_EQ(chatReplyText("\xEF\xBB\xBF\xEF\xBB\xBFx"), "?x");
}

TEST(EditBoxTextTest, LineBreaksConvertAtTheControl) {
    EXPECT_EQ(toEditBoxText("a\r\nb\rc\nd"), QStringLiteral("a\nb\nc\nd"));
    EXPECT_EQ(fromEditBoxText(QStringLiteral("a\nb\n")), "a\r\nb\r\n");
    EXPECT_EQ(fromEditBoxText(toEditBoxText("行一\r\n行二"_gbk)), "行一\r\n行二"_gbk);
}

} // namespace
