#pragma once
// Watches for a time of day to come round, looked at on every tick of a one-second timer.
//
// Ticks come about once a second but not exactly: one that lands a few milliseconds late can
// leave a second without any tick and put two ticks into the next one. Comparing the clock's
// hour, minute and second on each tick would then miss the target now and then, or meet it
// twice. The watch instead looks back over every second since its previous look, so a target
// comes due exactly once each time it comes round: in its own second, or on the first tick
// after it when no tick fell in that second.
//
// It looks back only over time the program was awake for. When the local time moved further
// than the monotonic counter did since the previous look (the machine slept, or the clock was
// set), and when it went backwards, only the current second counts, as a plain comparison of
// hour, minute and second would do.

#include "common/Clock.h"
#include "power/TimeOfDay.h"

#include <cstdint>
#include <optional>

class TimeOfDayWatch {
public:
    // Starts watching from this moment, as a look that saw nothing: a target in the current
    // second or earlier comes round first on the next day.
    void start(const LocalDateTime& now, std::int64_t uptimeMs);
    // Forgets the previous look.
    void stop();

    // One look, at a tick: true when `target` came round since the previous look (the current
    // second included, every second in it counted once). The look is recorded before the
    // answer is given, so a handler that is entered again while it acts on a true answer is
    // told false.
    bool comesDue(const TimeOfDay& target, const LocalDateTime& now, std::int64_t uptimeMs);

private:
    struct Look {
        std::int64_t localSecond; // seconds since 1970-01-01 00:00:00 local time
        std::int64_t uptimeMs;
    };
    std::optional<Look> previous_;
};
