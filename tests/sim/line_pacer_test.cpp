// The simulator's pacing of one direction of the line: bytes cross no faster than the rate, idle
// time lends nothing, a kept-waiting simulator catches up, and instant lets everything through.

#include "tools/sim/line_pacer.h"

#include <gtest/gtest.h>

namespace {

constexpr uint64_t kSecond = 1000000;

TEST(LinePacer, CarriesTheRateOverASecondWhateverThePollingPace) {
    for (const uint64_t stepUs : {100u, 1000u, 7000u, 15000u}) {
        CLinePacer pacer(19200, false);
        pacer.Idle(10 * kSecond);
        size_t crossed = 0;
        for (uint64_t now = 10 * kSecond; now < 11 * kSecond; now += stepUs) {
            const size_t n = pacer.Allowance(now);
            pacer.Took(n, now);
            crossed += n;
        }
        // 1,745 bytes a second at 11 bits a byte.
        EXPECT_GE(crossed, 1720u) << stepUs;
        EXPECT_LE(crossed, 1746u) << stepUs;
    }
}

TEST(LinePacer, IdleTimeLendsNothingButAStarvedReaderCatchesUp) {
    CLinePacer pacer(9600, false);
    pacer.Idle(60 * kSecond);
    EXPECT_EQ(pacer.Allowance(60 * kSecond), 0u);
    EXPECT_EQ(pacer.UsUntilNext(60 * kSecond), 1146u); // 11 bits at 9,600 baud
    EXPECT_EQ(pacer.Allowance(60 * kSecond + 1146), 1u);
    // Kept from the line for 100 ms while bytes were on it: what arrived meanwhile may be read.
    EXPECT_EQ(pacer.Allowance(60 * kSecond + 100000), 87u);
    // Half a second at most.
    EXPECT_EQ(pacer.Allowance(70 * kSecond), 436u);
}

TEST(LinePacer, InstantLetsEverythingThrough) {
    CLinePacer pacer(110, true);
    EXPECT_GT(pacer.Allowance(0), 1000000u);
    pacer.Took(1000000, 0);
    EXPECT_EQ(pacer.UsUntilNext(0), 0u);
}

} // namespace
