#pragma once
// The local date-time and the monotonic millisecond counter come from one clock, so every
// timer handler can be run at any chosen time.

#include <cstdint>

struct LocalDateTime {
    int year = 0;
    int month = 0;  // 1 to 12
    int day = 0;    // 1 to 31
    int hour = 0;   // 0 to 23
    int minute = 0; // 0 to 59
    int second = 0; // 0 to 59
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;
    // Milliseconds since some fixed point in the past; never goes backwards.
    virtual std::int64_t uptimeMs() const = 0;
};

class SystemClock final : public Clock {
public:
    LocalDateTime now() const override;
    std::int64_t uptimeMs() const override;
};
