#pragma once
// A listing lets pending events run after each file it finds, so the window repaints and
// timers fire while a large folder is read. Running the event loop costs about as much as
// finding a file, so the events are let through at most once per interval: the window stays
// just as alive and a listing of tens of thousands of files is not slowed down by it.

#include <cstdint>
#include <functional>

class Clock;

class PumpThrottle {
public:
    static constexpr std::int64_t kIntervalMs = 10;

    // The first call always runs `pump`; later calls run it once `intervalMs` have passed on
    // `clock` since it last ran.
    PumpThrottle(const Clock& clock, std::function<void()> pump,
                 std::int64_t intervalMs = kIntervalMs);

    void operator()();

private:
    const Clock& clock_;
    std::function<void()> pump_;
    std::int64_t intervalMs_;
    std::int64_t lastRunMs_ = 0;
    bool hasRun_ = false;
};
