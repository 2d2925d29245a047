#include "batch/PumpThrottle.h"

#include "common/Clock.h"

#include <utility>

PumpThrottle::PumpThrottle(const Clock& clock, std::function<void()> pump, std::int64_t intervalMs)
    : clock_(clock), pump_(std::move(pump)), intervalMs_(intervalMs) {}

void PumpThrottle::operator()() {
    const std::int64_t now = clock_.uptimeMs();
    if (hasRun_ && now - lastRunMs_ < intervalMs_) {
        return;
    }
    hasRun_ = true;
    // Events run inside the pump may take their time; the interval counts from its end.
    pump_();
    lastRunMs_ = clock_.uptimeMs();
}
