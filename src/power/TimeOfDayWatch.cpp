#include "power/TimeOfDayWatch.h"

#include <chrono>

namespace {

constexpr std::int64_t kSecondsPerDay = 86'400;

// Two looks taken d milliseconds apart can be floor(d / 1000) + 1 whole local seconds apart;
// the rest of the slack absorbs the usual small adjustments of the local time.
constexpr std::int64_t kSlackMs = 1'500;

std::int64_t localSecond(const LocalDateTime& time) {
    using namespace std::chrono;
    const sys_days date{year{time.year} / month{static_cast<unsigned>(time.month)} /
                        day{static_cast<unsigned>(time.day)}};
    return static_cast<std::int64_t>(date.time_since_epoch().count()) * kSecondsPerDay +
           time.hour * 3'600 + time.minute * 60 + time.second;
}

} // namespace

void TimeOfDayWatch::start(const LocalDateTime& now, std::int64_t uptimeMs) {
    previous_ = Look{localSecond(now), uptimeMs};
}

void TimeOfDayWatch::stop() {
    previous_.reset();
}

bool TimeOfDayWatch::comesDue(const TimeOfDay& target, const LocalDateTime& now,
                              std::int64_t uptimeMs) {
    const Look look{localSecond(now), uptimeMs};
    // The seconds looked at are those after `seenUpTo`, up to and including the current one.
    std::int64_t seenUpTo = look.localSecond - 1;
    if (previous_) {
        const std::int64_t movedMs = (look.localSecond - previous_->localSecond) * 1'000;
        const std::int64_t awakeMs = look.uptimeMs - previous_->uptimeMs;
        if (movedMs >= 0 && movedMs <= awakeMs + kSlackMs) {
            seenUpTo = previous_->localSecond;
        }
    }
    previous_ = look;
    if (!target.onTheClock()) {
        return false;
    }
    const std::int64_t targetOfDay = target.hour * 3'600 + target.minute * 60 + target.second;
    // The last moment, now or before, whose time of day is the target.
    const std::int64_t sinceTarget =
        ((look.localSecond - targetOfDay) % kSecondsPerDay + kSecondsPerDay) % kSecondsPerDay;
    return look.localSecond - sinceTarget > seenUpTo;
}
