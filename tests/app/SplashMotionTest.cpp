#include "app/SplashMotion.h"
#include "app/ClockLine.h"
#include "common/Codec.h"

#include <gtest/gtest.h>

namespace {

TEST(SplashFade, RunsFromZeroTo253InSeventyEightSteps) {
    std::vector<int> levels{0};
    while (levels.back() < kFadeEnd) {
        const int next = nextFadeLevel(levels.back());
        ASSERT_GT(next, levels.back()) << "every step adds at least 1";
        levels.push_back(next);
    }
    EXPECT_EQ(levels.size() - 1, 78u);
    EXPECT_EQ(levels.back(), 253);
    const std::vector<int> start(levels.begin(), levels.begin() + 11);
    EXPECT_EQ(start, (std::vector<int>{0, 12, 24, 35, 46, 56, 65, 74, 83, 91, 99}));
    // Where the step drops to whole units: 214, 216, 217, 218 …
    const auto at214 = std::find(levels.begin(), levels.end(), 214);
    ASSERT_NE(at214, levels.end());
    EXPECT_EQ(std::vector<int>(at214, at214 + 4), (std::vector<int>{214, 216, 217, 218}));
    EXPECT_EQ(nextFadeLevel(235), 236) << "a step of exactly 1 stays 1";
    EXPECT_EQ(nextFadeLevel(252), 253);
}

TEST(SplashDots, FirstStepMovesEachDotTwoPixels) {
    EXPECT_EQ(stepDots(kDotStartLefts), (DotLefts{266, 242, 218, 194, 170}));
}

TEST(SplashDots, DotAtTheEndAlternatesBetween448And454) {
    EXPECT_EQ(nextDotLeft(448), 454);
    EXPECT_EQ(nextDotLeft(454), 448);
    EXPECT_EQ(nextDotLeft(447), 453) << "447 is still inside: band 15 moves it 6";
    EXPECT_EQ(nextDotLeft(-100), -94) << "left of the window the first band's speed applies";
}

TEST(SplashDots, PlacedAgainOnlyWhenTheLastDotHasReachedTheEnd) {
    // The other four are past the end; the last one is not there yet.
    const DotLefts waiting{448, 454, 448, 454, 440};
    EXPECT_EQ(stepDots(waiting), (DotLefts{454, 448, 454, 448, 446}));
    const DotLefts arrived{454, 448, 454, 448, 448};
    EXPECT_EQ(stepDots(arrived), (DotLefts{6, -66, -138, -210, -282}));
}

TEST(SplashDots, OneCycleTakes176TicksAndOneDotCrossesIn128) {
    DotLefts lefts = stepDots({454, 448, 454, 448, 448}); // this tick places them
    int ticks = 0;
    int widest = 0;
    for (bool placing = false; !placing;) {
        placing = lefts.back() >= kDotTrackEnd;
        lefts = stepDots(lefts);
        widest = std::max(widest, *std::max_element(lefts.begin(), lefts.end()));
        ++ticks;
    }
    EXPECT_EQ(ticks, 176);
    EXPECT_LE(widest, 454) << "the speed table is never read past its end";

    int left = 0;
    int crossing = 0;
    for (; left < kDotTrackEnd; ++crossing) {
        left = nextDotLeft(left);
    }
    EXPECT_EQ(crossing, 128);
}

struct ClockCase {
    const char* name;
    LocalDateTime time;
    const char* expected; // UTF-8
};

class ClockLineTest : public ::testing::TestWithParam<ClockCase> {};

TEST_P(ClockLineTest, TimePartEndsAtTheLastNonZeroField) {
    EXPECT_EQ(clockLineText(GetParam().time, "", ""), gbkFromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(
    ClockLine, ClockLineTest,
    ::testing::Values(
        ClockCase{"all_fields", {2019, 1, 26, 9, 5, 7}, "当前：2019年1月26日9时5分7秒 "},
        ClockCase{"noon", {2019, 1, 26, 12, 0, 0}, "当前：2019年1月26日12时 "},
        ClockCase{"half_past", {2019, 1, 26, 12, 30, 0}, "当前：2019年1月26日12时30分 "},
        ClockCase{"midnight", {2019, 1, 26, 0, 0, 0}, "当前：2019年1月26日 "},
        ClockCase{"seconds_only", {2020, 12, 31, 0, 0, 5}, "当前：2020年12月31日0时0分5秒 "},
        ClockCase{"minute_past_midnight", {2020, 2, 29, 0, 1, 0}, "当前：2020年2月29日0时1分 "}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClockLine, StatusTextsFollowTheTimeWithOneBlankBetween) {
    const Text line = clockLineText({2019, 1, 26, 9, 5, 7}, gbkFromUtf8("  关机22时30分0秒"),
                                    gbkFromUtf8("铃声：7：5：0"));
    EXPECT_EQ(line, gbkFromUtf8("当前：2019年1月26日9时5分7秒  关机22时30分0秒 铃声：7：5：0"));
}

} // namespace
