#include "serial/tick_timer.h"
#include "tests/serial/manual_clock.h"

#include <gtest/gtest.h>

TEST(TickTimer, CountsInSecondsUntilAUnitIsSet) {
    CManualClock clock;
    CTickTimer timer(clock);
    timer.Start(0);
    clock.Advance(2999);
    EXPECT_EQ(timer.Elapsed(0), 2u);
    timer.SetUnit(0, 1);
    EXPECT_EQ(timer.Elapsed(0), 2999u);
}

TEST(TickTimer, ElapsedSurvivesTheWrapOfTheTick) {
    CManualClock clock;
    clock.Advance(0xFFFFFFF0u);
    CTickTimer timer(clock);
    timer.SetUnit(3, 1);
    timer.Start(3);
    clock.Advance(0x20);
    EXPECT_EQ(timer.Elapsed(3), 0x20u);
}

TEST(TickTimer, IgnoresSlotsFromEightAndAZeroUnit) {
    CManualClock clock;
    CTickTimer timer(clock);
    timer.SetUnit(8, 1);
    timer.Start(8);
    EXPECT_EQ(timer.Elapsed(8), 0xFFFFu);
    // A unit of 0 would divide by zero on the next Elapsed.
    timer.SetUnit(0, 0);
    timer.Start(0);
    clock.Advance(1500);
    EXPECT_EQ(timer.Elapsed(0), 1u);
}
