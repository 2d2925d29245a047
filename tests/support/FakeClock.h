#pragma once
// A clock that stands still until the test moves it.

#include "common/Clock.h"

#include <cstdint>

class FakeClock final : public Clock {
public:
    FakeClock();
    LocalDateTime now() const override { return now_; }
    std::int64_t uptimeMs() const override { return uptimeMs_; }

    void set(int year, int month, int day, int hour, int minute, int second);
    void setTime(int hour, int minute, int second); // keeps the date
    // Moves the uptime and the local time forward together.
    void advanceMs(std::int64_t ms);

private:
    LocalDateTime now_;
    std::int64_t uptimeMs_ = 1'000'000;
    std::int64_t subSecondMs_ = 0;
};
