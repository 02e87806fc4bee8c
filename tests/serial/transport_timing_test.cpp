// CSerialTransport in time, on the in-memory line: a frame counts as sent only once it has left
// the line (its line time and the device's queue), a stalled line fails the send, and a response
// read ends within its bound. Cancelling in each phase is tested with the download.

#include "serial/line_time.h"
#include "serial/serial_transport.h"
#include "tests/serial/fake_serial_device.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

// A send fails once the queue has held its bytes for the time-out and the line time of 512 bytes.
constexpr uint32_t StallMs(uint32_t timeoutMs) {
    return timeoutMs + LineTimeMs(512, 19200);
}

class TransportTiming : public ::testing::Test {
protected:
    TransportTiming() {
        host.Attach(1, line);
        EXPECT_EQ(transport.Open("COM1", 19200), "");
        transport.SetFrameAddress(0);
    }

    // 0x03 and `size` bytes that need no escapes: a frame of size + 3 line bytes.
    static Bytes Message(size_t size) {
        Bytes message(size + 1, 0x55);
        message[0] = 0x03;
        return message;
    }

    int ReadNow(int timeoutMs) {
        int result = 12345;
        transport.ReadResponse({}, timeoutMs, result);
        return result;
    }

    CManualClock clock;
    CFakeSerialLine line{clock};
    CFakeSerialDeviceHost host;
    CSerialTransport transport{{&host, &clock}};
};

TEST_F(TransportTiming, EmptyQueueStillWaitsTheLineTimeFromTheFirstByte) {
    line.drainBytesPerSecond = CFakeSerialLine::kNoQueue; // as a pseudo-terminal reports
    ASSERT_EQ(transport.SendFrame(Message(997), 3000), SendResult::Sent);
    const uint32_t lineTime = LineTimeMs(1000, 19200); // 573 ms
    EXPECT_EQ(clock.GetTickCount(), lineTime);
    EXPECT_LE(clock.Sleeps(), lineTime / kWatchIntervalMs + 1) << "no sleeping and retrying";
}

TEST_F(TransportTiming, FirstByteOfTheAnswerEndsTheWaitAndOutlivesAHangUp) {
    // A far end that reads at once answers 10 ms after the last byte, then hangs up.
    line.drainBytesPerSecond = CFakeSerialLine::kNoQueue;
    line.onWritten = [this](uint8_t) {
        if (line.Written().size() == 1000)
            line.SendAt(clock.GetTickCount() + 10, Bytes{0xF1, 0x00, 0x00, 0x03, 0xAA});
    };
    ASSERT_EQ(transport.SendFrame(Message(997), 3000), SendResult::Sent);
    EXPECT_EQ(clock.GetTickCount(), 10u);
    line.Hangup();
    int result = 0;
    EXPECT_EQ(transport.ReadResponse({}, 500, result), "\xAA");
    EXPECT_EQ(result, READ_COMPLETE);
    EXPECT_EQ(ReadNow(500), READ_HARDWARE_ERROR);
}

TEST_F(TransportTiming, SlowQueueIsWaitedForPastTheLineTime) {
    line.drainBytesPerSecond = 500; // an adapter slower than its line
    ASSERT_EQ(transport.SendFrame(Message(997), 3000), SendResult::Sent);
    EXPECT_EQ(clock.GetTickCount(), 2000u);
    EXPECT_EQ(line.Queued(), 0u);
}

TEST_F(TransportTiming, FullDeviceIsWrittenAsItDrains) {
    line.LimitRoom(100);
    line.RestoreRoomAt(250);
    ASSERT_EQ(transport.SendFrame(Message(997), 200), SendResult::Sent)
        << "a pause shorter than the time-out is no stall";
    EXPECT_EQ(line.Written().size(), 1000u);
    EXPECT_GE(clock.GetTickCount(), 250u + LineTimeMs(900, 19200));
}

TEST_F(TransportTiming, QueueThatDoesNotShrinkForAStallsTimeFailsTheSend) {
    line.drainBytesPerSecond = 0;
    EXPECT_EQ(transport.SendFrame(Message(10), 500), SendResult::Failed);
    EXPECT_GE(clock.GetTickCount(), StallMs(500));
    EXPECT_LT(clock.GetTickCount(), StallMs(500) + kWatchIntervalMs);

    // A queue emptied in 512-byte chunks is no stall, even with chunks further apart than the
    // time-out.
    transport.DiscardOutput();
    line.drainBytesPerSecond.reset();
    line.drainChunk = 512;
    EXPECT_EQ(transport.SendFrame(Message(1997), 200), SendResult::Sent);
    line.drainChunk = 1;

    // No room for a whole time-out is the same stall.
    transport.DiscardOutput();
    line.drainBytesPerSecond.reset();
    line.LimitRoom(0);
    const uint32_t before = clock.GetTickCount();
    EXPECT_EQ(transport.SendFrame(Message(10), 500), SendResult::Failed);
    EXPECT_LT(clock.GetTickCount() - before, StallMs(500) + kWatchIntervalMs);
}

TEST_F(TransportTiming, DeviceWithoutAQueueMakingRoomInChunksIsNoStall) {
    // As a pseudo-terminal does: it takes 2,000 bytes (1,146 ms of line), then nothing until
    // 1,700 ms, a stall's time after the last byte was taken but not after its line time.
    line.drainBytesPerSecond = CFakeSerialLine::kNoQueue;
    line.LimitRoom(2000);
    line.RestoreRoomAt(1700);
    EXPECT_EQ(transport.SendFrame(Message(2997), 500), SendResult::Sent);
    EXPECT_EQ(line.Written().size(), 3000u);

    line.LimitRoom(0);
    const uint32_t before = clock.GetTickCount();
    EXPECT_EQ(transport.SendFrame(Message(10), 500), SendResult::Failed);
    EXPECT_LT(clock.GetTickCount() - before, StallMs(500) + kWatchIntervalMs);
}

TEST_F(TransportTiming, QueueCountThatCannotBeReadFailsTheSend) {
    line.faults.bOutputCount = true;
    EXPECT_EQ(transport.SendFrame(Message(10), 500), SendResult::Failed);
    EXPECT_EQ(clock.GetTickCount(), 0u);
}

TEST_F(TransportTiming, ProgressNeverRunsAheadOfTheLineAndEndsComplete) {
    line.drainBytesPerSecond = CFakeSerialLine::kNoQueue;
    std::vector<std::pair<uint32_t, size_t>> seen;
    SendWatch watch;
    watch.onProgress = [&](size_t sent, size_t total) {
        EXPECT_EQ(total, 1000u);
        seen.emplace_back(clock.GetTickCount(), sent);
    };
    ASSERT_EQ(transport.SendFrame(Message(997), 3000, watch), SendResult::Sent);
    ASSERT_GT(seen.size(), 573u / kWatchIntervalMs);
    for (const auto& [tick, sent] : seen)
        EXPECT_LE(sent, LineBytesIn(tick, 19200)) << "at " << tick << " ms";
    EXPECT_EQ(seen.back().second, 1000u);
}

TEST_F(TransportTiming, ResponseDribbledInsideItsFrameEndsAtTheBound) {
    // A version response whose bytes come 150 ms apart: each within the time-out, the whole not.
    const Bytes frame{0xF1, 0x00, 0x00, 0x01, 0x01, 0x01, 0x20};
    for (size_t i = 0; i < frame.size(); ++i)
        line.SendAt(static_cast<uint32_t>(150 * i), Bytes{frame[i]});
    for (uint32_t i = 0; i < 32; ++i)
        line.SendAt(1050 + 150 * i, Bytes{0x41});
    EXPECT_EQ(ReadNow(200), READ_TIMEOUT);
    EXPECT_LE(clock.GetTickCount(), 200 + 2 * LineTimeMs(kLongestResponseLineBytes, 19200));
}

TEST_F(TransportTiming, BoundStrikingOnTheTypeByteIsATimeOutNotAnUnknownFrame) {
    for (uint32_t tick = 0; tick < 780; tick += 100)
        line.SendAt(tick, Bytes{0x41});
    line.SendAt(780, Bytes{0xF1, 0x00, 0x00});
    EXPECT_EQ(ReadNow(200), READ_TIMEOUT);
}

} // namespace
