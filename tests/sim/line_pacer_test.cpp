// The simulator's pacing of one direction of the line: bytes cross no faster than the rate, an
// idle line lends no more than a small burst, and instant lets everything through.

#include "tools/sim/line_pacer.h"

#include <gtest/gtest.h>

namespace {

constexpr uint64_t kSecond = 1000000;

TEST(LinePacer, CarriesTheRateOverASecondWhateverThePollingPace) {
    for (const uint64_t stepUs : {100u, 1000u, 7000u, 15000u}) {
        CLinePacer pacer(19200, false);
        size_t crossed = 0;
        for (uint64_t now = 10 * kSecond; now < 11 * kSecond; now += stepUs) {
            const size_t n = pacer.Allowance(now);
            pacer.Took(n, now);
            crossed += n;
        }
        // 1,745 bytes a second at 11 bits a byte, and the 20 ms the idle line lent at the start.
        EXPECT_GE(crossed, 1740u) << stepUs;
        EXPECT_LE(crossed, 1746u + 35) << stepUs;
    }
}

TEST(LinePacer, IdleLineLendsOnlyABurstAndThenWaitsAByteTime) {
    CLinePacer slow(110, false);
    EXPECT_EQ(slow.Allowance(60 * kSecond), CLinePacer::kBurst);
    CLinePacer pacer(9600, false);
    EXPECT_EQ(pacer.Allowance(60 * kSecond), 17u); // 20 ms
    pacer.Took(17, 60 * kSecond);
    EXPECT_EQ(pacer.Allowance(60 * kSecond), 0u);
    const uint64_t wait = pacer.UsUntilNext(60 * kSecond);
    EXPECT_EQ(wait, 1146u); // 11 bits at 9,600 baud
    EXPECT_EQ(pacer.Allowance(60 * kSecond + wait), 1u);
}

TEST(LinePacer, InstantLetsEverythingThrough) {
    CLinePacer pacer(110, true);
    EXPECT_GT(pacer.Allowance(0), 1000000u);
    pacer.Took(1000000, 0);
    EXPECT_EQ(pacer.UsUntilNext(0), 0u);
}

} // namespace
