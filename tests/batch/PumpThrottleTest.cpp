#include "batch/PumpThrottle.h"

#include "FakeClock.h"

#include <gtest/gtest.h>

TEST(PumpThrottle, firstCallPumpsThenOncePerInterval) {
    FakeClock clock;
    int pumps = 0;
    PumpThrottle throttle(clock, [&pumps] { ++pumps; });
    throttle();
    throttle();
    EXPECT_EQ(pumps, 1);
    clock.advanceMs(PumpThrottle::kIntervalMs - 1);
    throttle();
    EXPECT_EQ(pumps, 1);
    clock.advanceMs(1);
    throttle();
    throttle();
    EXPECT_EQ(pumps, 2);
}
