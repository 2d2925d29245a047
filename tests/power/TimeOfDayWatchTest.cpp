#include "power/TimeOfDayWatch.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

// One tick: the local time it reads (day of January 2019, hour, minute, second), the uptime
// counter at that moment, and whether the target must come due on it.
struct Tick {
    int day;
    int hour;
    int minute;
    int second;
    std::int64_t uptimeMs;
    bool due;
};

struct WatchCase {
    const char* name;
    TimeOfDay target;
    std::optional<Tick> start; // the arming moment; its `due` is not used
    std::vector<Tick> ticks;
};

LocalDateTime at(const Tick& tick) {
    return {2019, 1, tick.day, tick.hour, tick.minute, tick.second};
}

class TimeOfDayWatchTest : public ::testing::TestWithParam<WatchCase> {};

TEST_P(TimeOfDayWatchTest, ComesDueExactlyWhenTheTargetCameRound) {
    const WatchCase& row = GetParam();
    TimeOfDayWatch watch;
    if (row.start) {
        watch.start(at(*row.start), row.start->uptimeMs);
    }
    for (std::size_t i = 0; i < row.ticks.size(); ++i) {
        const Tick& tick = row.ticks[i];
        EXPECT_EQ(watch.comesDue(row.target, at(tick), tick.uptimeMs), tick.due)
            << "tick " << i << " at " << tick.hour << ":" << tick.minute << ":" << tick.second;
    }
}

constexpr std::int64_t kDayMs = 86'400'000;

INSTANTIATE_TEST_SUITE_P(
    Watch, TimeOfDayWatchTest,
    ::testing::Values(WatchCase{"in_its_own_second_and_not_the_next",
                                {7, 5, 0},
                                Tick{26, 7, 4, 58, 0, false},
                                {{26, 7, 4, 59, 1'000, false},
                                 {26, 7, 5, 0, 2'000, true},
                                 {26, 7, 5, 1, 3'000, false},
                                 {26, 7, 5, 2, 4'000, false}}},
                      WatchCase{"again_a_day_later",
                                {7, 5, 0},
                                Tick{26, 7, 4, 58, 0, false},
                                {{26, 7, 5, 0, 2'000, true},
                                 {27, 7, 4, 59, 2'000 + kDayMs - 1'000, false},
                                 {27, 7, 5, 0, 2'000 + kDayMs, true},
                                 {27, 7, 5, 1, 3'000 + kDayMs, false}}},
                      // A tick landed a few milliseconds late: no tick fell in 7:05:00.
                      WatchCase{"late_tick_catches_the_skipped_second",
                                {7, 5, 0},
                                Tick{26, 7, 4, 58, 0, false},
                                {{26, 7, 4, 59, 1'998, false},
                                 {26, 7, 5, 1, 3'003, true},
                                 {26, 7, 5, 2, 4'000, false}}},
                      // The late tick and the next one share a second: the target is met once.
                      WatchCase{"two_ticks_in_the_target_second_fire_once",
                                {7, 5, 0},
                                Tick{26, 7, 4, 58, 0, false},
                                {{26, 7, 4, 59, 1'000, false},
                                 {26, 7, 5, 0, 2'004, true},
                                 {26, 7, 5, 0, 2'998, false},
                                 {26, 7, 5, 1, 3'998, false}}},
                      WatchCase{"a_stalled_program_still_acts_late",
                                {7, 5, 0},
                                Tick{26, 7, 4, 50, 0, false},
                                {{26, 7, 4, 51, 1'000, false}, {26, 7, 5, 20, 30'000, true}}},
                      WatchCase{"skipped_midnight_across_the_date",
                                {0, 0, 0},
                                Tick{26, 23, 59, 57, 0, false},
                                {{26, 23, 59, 58, 1'000, false},
                                 {26, 23, 59, 59, 1'999, false},
                                 {27, 0, 0, 1, 3'010, true}}},
                      // Armed with the time the lists showed: already past, so due the next day.
                      WatchCase{"armed_in_the_target_second_waits_a_day",
                                {7, 5, 0},
                                Tick{26, 7, 5, 0, 0, false},
                                {{26, 7, 5, 1, 1'000, false},
                                 {27, 7, 4, 59, kDayMs - 1'000, false},
                                 {27, 7, 5, 0, kDayMs, true}}},
                      // The local time moved an hour while the counter moved a second: the machine
                      // slept or the clock was set. Only the current second counts then.
                      WatchCase{"slept_over_the_target",
                                {7, 5, 0},
                                Tick{26, 7, 0, 0, 0, false},
                                {{26, 8, 0, 0, 1'000, false}, {26, 8, 0, 1, 2'000, false}}},
                      WatchCase{"clock_set_back_onto_the_target",
                                {7, 5, 0},
                                Tick{26, 9, 5, 7, 0, false},
                                {{26, 7, 5, 0, 0, true}, {26, 7, 5, 1, 1'000, false}}},
                      WatchCase{"clock_set_back_past_the_target",
                                {7, 5, 0},
                                Tick{26, 9, 5, 7, 0, false},
                                {{26, 7, 5, 1, 1'000, false}}},
                      WatchCase{"never_started_compares_the_current_second",
                                {7, 5, 0},
                                std::nullopt,
                                {{26, 7, 5, 0, 0, true}, {26, 7, 5, 0, 500, false}}},
                      WatchCase{"list_without_selection_never_comes_due",
                                {-1, 5, 0},
                                Tick{26, 23, 59, 59, 0, false},
                                {{27, 0, 5, 0, 305'000, false}, {27, 7, 5, 0, 25'505'000, false}}},
                      WatchCase{"second_without_selection_never_comes_due",
                                {7, 5, -1},
                                Tick{26, 7, 4, 58, 0, false},
                                {{26, 7, 5, 0, 2'000, false}, {26, 7, 6, 0, 62'000, false}}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
