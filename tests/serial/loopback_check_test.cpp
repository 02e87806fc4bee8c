// The cable check on the in-memory line: the rate is measured from the bytes' arrivals, so an echo
// that comes back late in a burst (a busy machine) still passes while a line at another rate does
// not, and a line that loses any byte is "bytes lost" as soon as some came back.

#include "serial/line_time.h"
#include "serial/loopback_test.h"
#include "tests/serial/fake_serial_device.h"

#include <gtest/gtest.h>

namespace {

using Verdict = LoopbackResult::Verdict;

struct EchoCase {
    const char* name;
    uint32_t nEchoBaud;     // the rate the bytes come back at
    size_t nFirstKept;      // bytes before this index never come back
    uint32_t nLateEndMs;    // the last fifth comes back this much late, all at once
    Verdict verdict;
};

class LoopbackCheck : public ::testing::TestWithParam<EchoCase> {};

TEST_P(LoopbackCheck, JudgesTheEchoAtNineteenTwoHundred) {
    const EchoCase& echo = GetParam();
    CManualClock clock;
    CFakeSerialLine line(clock);
    CFakeSerialDeviceHost host;
    host.Attach(3, line);
    const size_t pattern = LineBytesIn(500, 19200);
    size_t index = 0;
    line.onWritten = [&](uint8_t byte) {
        const size_t at = index++;
        if (at < echo.nFirstKept) return;
        uint32_t due = LineTimeMs(at + 1, echo.nEchoBaud);
        if (at >= pattern * 4 / 5) due = LineTimeMs(pattern, echo.nEchoBaud) + echo.nLateEndMs;
        line.SendAt(due, std::vector<uint8_t>{byte});
    };
    const LoopbackResult result = TestLoopback({&host, &clock}, "COM3", 19200);
    EXPECT_EQ(result.verdict, echo.verdict) << result.nMeasured << " B/s";
    EXPECT_EQ(result.nBack, echo.nFirstKept == 0 ? pattern : 0u);
    EXPECT_FALSE(line.bHeld);
}

INSTANTIATE_TEST_SUITE_P(
    Echoes, LoopbackCheck,
    ::testing::Values(EchoCase{"AtTheRate", 19200, 0, 0, Verdict::Ok},
                      EchoCase{"EndLateInABurst", 19200, 0, 150, Verdict::Ok},
                      EchoCase{"AtANeighbouringRate", 14400, 0, 0, Verdict::WrongRate},
                      EchoCase{"FirstByteLost", 19200, 1, 0, Verdict::BytesLost}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
