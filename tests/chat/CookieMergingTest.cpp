#include "chat/CookieMerging.h"

#include <gtest/gtest.h>

namespace {

struct MergeCase {
    const char* name;
    Text sent;
    Text received;
    Text merged;
};

class MergeCookiesTest : public ::testing::TestWithParam<MergeCase> {};

TEST_P(MergeCookiesTest, GivesTheMergedTextInBothVariables) {
    Text sent = GetParam().sent;
    Text received = GetParam().received;
    EXPECT_EQ(mergeCookies(sent, received), GetParam().merged);
    EXPECT_EQ(sent, GetParam().merged);
    // The received text only loses its spaces.
    EXPECT_EQ(received, removeAllSpaces(GetParam().received));
}

INSTANTIATE_TEST_SUITE_P(
    CookieTable, MergeCookiesTest,
    ::testing::Values(MergeCase{"ReceivedValueReplacesSentOne", "a=1; b=2", "b=3", "b=3; a=1"},
                      MergeCase{"DeletedCookieIsGoneWithItsOldValue", "a=1; b=2", "b=deleted",
                                "a=1"},
                      MergeCase{"DeletingAnUnknownCookieChangesNothing", "a=1", "c=deleted", "a=1"},
                      MergeCase{"NothingSentGivesTheReceivedItems", "", "x=1;y=2", "x=1; y=2"},
                      MergeCase{"SpacesGoFirstInsideValuesToo", "a = 1 ; b=2", "", "a=1; b=2"},
                      MergeCase{"FirstOfTwoSentItemsOfOneNameIsTaken", "a=1; a=2", "", "a=1"},
                      MergeCase{"ExactRepeatIsDropped", "", "a=1; a=1", "a=1"},
                      MergeCase{"ReceivedItemsAreNotComparedByName", "", "a=1; a=2", "a=1; a=2"},
                      MergeCase{"NamesAreComparedWithCase", "A=1", "a=2", "a=2; A=1"},
                      MergeCase{"OnlyTheExactLowercaseMarkDeletes", "deleted; x=DELETED", "",
                                "deleted; x=DELETED"},
                      MergeCase{"FullWidthSpacesGoToo",
                                "a=1\xA1\xA1; b=\xA1\xA1"
                                "2",
                                "", "a=1; b=2"},
                      MergeCase{"BothEmptyGiveEmpty", "", "", ""}),
    [](const ::testing::TestParamInfo<MergeCase>& info) { return std::string(info.param.name); });

TEST(CookieHelpersTest, NameIsTheTrimmedTextBeforeTheFirstEquals) {
    EXPECT_EQ(cookieName(" a = 1=2"), "a");
    EXPECT_EQ(cookieName(" flag "), "flag");
    EXPECT_EQ(cookieName("=x"), "");
}

TEST(CookieHelpersTest, RemoveDuplicatesKeepsTheFirstOfEqualPiecesInOrder) {
    EXPECT_EQ(removeDuplicates("b=1; a=1; b=1; a=2", "; "), "b=1; a=1; a=2");
    EXPECT_EQ(removeDuplicates("", "; "), "");
    EXPECT_EQ(indexOfText({"x", "y", "y"}, "y"), 2);
    EXPECT_EQ(indexOfText({"x"}, "z"), -1);
}

} // namespace
