// CSerialTransport: the line's own examples over a linked pseudo-terminal, and the exact timing
// and every broken frame over the in-memory line.

#include "platform/serial_device_posix.h"
#include "serial/serial_transport.h"
#include "tests/serial/fake_serial_device.h"
#include "tests/serial/pty_pair.h"
#include "tests/serial/xdg_scope.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

std::string Text(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

class TransportOnPty : public ::testing::Test {
protected:
    TransportOnPty() {
        ports.Ports().Relink(3, pty.SlavePath());
        EXPECT_EQ(transport.Open("COM3", 19200), "");
    }

    // Sends bytes from the controller's side and reads one response with a generous time-out.
    std::string Respond(const Bytes& line, int& result) {
        pty.Send(line);
        return transport.ReadResponse({}, 2000, result);
    }

    CXdgScope ports;
    CPtyPair pty;
    CPosixSerialDeviceHost host{
        {ports.Path() / "none", ports.Path() / "none", ports.Path() / "none"}};
    CSerialTransport transport{{&host, &SystemClock()}};
};

TEST_F(TransportOnPty, VersionRequestWithAddress0IsF1_00_01) {
    transport.SetFrameAddress(0);
    ASSERT_EQ(transport.SendFrame(Bytes{0x01}), SendResult::Sent);
    EXPECT_EQ(pty.Receive(3), (Bytes{0xF1, 0x00, 0x01}));
}

TEST_F(TransportOnPty, MessageBytesAreEscapedOnTheLine) {
    transport.SetFrameAddress(0);
    ASSERT_EQ(transport.SendFrame(Bytes{0xF1, 0xF0, 0xEF, 0xF2}), SendResult::Sent);
    EXPECT_EQ(pty.Receive(8), (Bytes{0xF1, 0x00, 0xF0, 0x01, 0xF0, 0x00, 0xEF, 0xF2}));
}

TEST_F(TransportOnPty, LongAddressesTakeTheirMarkedPrefixes) {
    transport.SetFrameAddress(0x1234);
    ASSERT_EQ(transport.SendFrame(Bytes{0x01}), SendResult::Sent);
    EXPECT_EQ(pty.Receive(5), (Bytes{0xF1, 0xFE, 0x34, 0x12, 0x01}));
    transport.SetFrameAddress(0x10000);
    ASSERT_EQ(transport.SendFrame(Bytes{0x01}), SendResult::Sent);
    EXPECT_EQ(pty.Receive(7), (Bytes{0xF1, 0xFF, 0x00, 0x00, 0x01, 0x00, 0x01}));
}

TEST_F(TransportOnPty, WriteEscapedSendsNoStartAndNoPrefix) {
    ASSERT_TRUE(transport.WriteEscaped(0x41));
    ASSERT_TRUE(transport.WriteEscaped(0xF1));
    EXPECT_EQ(pty.Receive(3), (Bytes{0x41, 0xF0, 0x01}));
}

TEST_F(TransportOnPty, NoiseBeforeTheStartIsSkipped) {
    int result = 0;
    EXPECT_EQ(Respond({0x41, 0xF1, 0x00, 0x00, 0x02, 0xAA}, result), "\xAA");
    EXPECT_EQ(result, READ_COMPLETE);
}

TEST_F(TransportOnPty, FrameWithANonZeroSecondByteIsDiscardedToTheNextStart) {
    int result = 0;
    EXPECT_EQ(Respond({0xF1, 0x05, 0x02, 0xAA, 0xF1, 0x00, 0x00, 0x03, 0x55}, result), "\x55");
    EXPECT_EQ(result, READ_COMPLETE);
}

TEST_F(TransportOnPty, VersionResponseGivesBothVersionBytesAndTheText) {
    int result = 0;
    const std::string text =
        Respond({0xF1, 0x00, 0x00, 0x01, 0x00, 0x01, 0x03, 0x41, 0x42, 0x43}, result);
    EXPECT_EQ(result, READ_COMPLETE);
    EXPECT_EQ(text, Text({0x00, 0x01, 'A', 'B', 'C'}));
}

TEST_F(TransportOnPty, EscapedStartInsideABodyIsDataNotANewFrame) {
    int result = 0;
    EXPECT_EQ(Respond({0xF1, 0x00, 0x00, 0x02, 0xF0, 0x01}, result), "\xF1");
    EXPECT_EQ(result, READ_COMPLETE);
}

TEST_F(TransportOnPty, SilenceEndsTheReadWithTheTimeOut) {
    int result = 0;
    EXPECT_EQ(transport.ReadResponse({}, 30, result), "");
    EXPECT_EQ(result, READ_TIMEOUT);
}

TEST_F(TransportOnPty, CancelWhileWaitingEndsWith1000) {
    int calls = 0;
    int result = 0;
    pty.Send(Bytes{0x41, 0x42});
    const std::string text = transport.ReadResponse([&] { return ++calls < 3; }, 2000, result);
    EXPECT_EQ(result, READ_CANCELLED);
    EXPECT_EQ(text, "");
    EXPECT_EQ(calls, 3);
}

TEST_F(TransportOnPty, PortThatFailedToOpenFailsSendsAndReads) {
    CSerialTransport other({&host, &SystemClock()});
    EXPECT_EQ(other.Open("COM7", 19200), kOpenFailedText);
    EXPECT_EQ(other.SendFrame(Bytes{0x01}), SendResult::Failed);
    EXPECT_EQ(other.ReadByte(10), READ_HARDWARE_ERROR);
    int result = 0;
    other.ReadResponse({}, 10, result);
    EXPECT_EQ(result, READ_HARDWARE_ERROR);
}

class TransportOnFakeLine : public ::testing::Test {
protected:
    TransportOnFakeLine() {
        host.Attach(1, line);
        EXPECT_EQ(transport.Open("COM1", 9600), "");
    }

    int Read(const Bytes& line_bytes, std::string& text, int timeoutMs = 500) {
        line.Send(line_bytes);
        int result = 12345;
        text = transport.ReadResponse({}, timeoutMs, result);
        return result;
    }

    CManualClock clock;
    CFakeSerialLine line{clock};
    CFakeSerialDeviceHost host;
    CSerialTransport transport{{&host, &clock}};
};

TEST_F(TransportOnFakeLine, SilenceEndsAfterOneTimeOut) {
    std::string text;
    EXPECT_EQ(Read({}, text, 3000), READ_TIMEOUT);
    EXPECT_GE(clock.GetTickCount(), 3000u);
    EXPECT_LT(clock.GetTickCount(), 3003u);
}

TEST_F(TransportOnFakeLine, TimeOutOnEachPositionGivesItsResult) {
    std::string text = "stale";
    EXPECT_EQ(Read({0xF1}, text), READ_TIMEOUT);
    EXPECT_EQ(text, "");
    EXPECT_EQ(Read({0xF1, 0x00}, text), READ_TIMEOUT);
    EXPECT_EQ(Read({0xF1, 0x00, 0x00}, text), READ_TYPE_TIMEOUT);
    EXPECT_EQ(Read({0xF1, 0x00, 0x00, 0x01}, text), READ_TIMEOUT);
    EXPECT_EQ(Read({0xF1, 0x00, 0x00, 0x01, 0x01, 0x01, 0x02, 0x41}, text), READ_TIMEOUT);
    EXPECT_EQ(text, "");
    EXPECT_EQ(Read({0xF1, 0x00, 0x00, 0x02}, text), READ_TIMEOUT);
}

TEST_F(TransportOnFakeLine, EachByteOfAFrameGetsAFreshTimeOut) {
    line.SendAt(0, Bytes{0xF1, 0x00});
    line.SendAt(400, Bytes{0x00, 0x02});
    line.SendAt(800, Bytes{0xF0});
    line.SendAt(1200, Bytes{0x00});
    int result = 0;
    EXPECT_EQ(transport.ReadResponse({}, 500, result), "\xF0");
    EXPECT_EQ(result, READ_COMPLETE);
}

TEST_F(TransportOnFakeLine, FramesNoResponseCanBeReadFromEndWithABadFrame) {
    std::string text;
    // A third byte other than 0, a type outside 1 to 3, an escape that stands for nothing.
    EXPECT_EQ(Read({0xF1, 0x00, 0x07, 0x02, 0xAA}, text), READ_BAD_FRAME);
    EXPECT_EQ(Read({0xF1, 0x00, 0x00, 0x00, 0xAA}, text), READ_BAD_FRAME);
    EXPECT_EQ(Read({0xF1, 0x00, 0x00, 0x04, 0xAA}, text), READ_BAD_FRAME);
    EXPECT_EQ(Read({0xF1, 0x00, 0x00, 0x02, 0xF0, 0x05}, text), READ_BAD_FRAME);
    EXPECT_EQ(Read({0xF1, 0xF0, 0x07}, text), READ_BAD_FRAME);
    EXPECT_EQ(text, "");
}

TEST_F(TransportOnFakeLine, BrokenEscapeBeforeAFrameIsNoise) {
    std::string text;
    EXPECT_EQ(Read({0xF0, 0x07, 0xF1, 0x00, 0x00, 0x02, 0xAA}, text), READ_COMPLETE);
    EXPECT_EQ(text, "\xAA");
}

TEST_F(TransportOnFakeLine, StartByteInsideAFrameBeginsAFreshFrame) {
    std::string text;
    // Cut off after the type byte, and inside a version text: the complete frame that follows
    // is the response, never bytes of the broken one.
    EXPECT_EQ(Read({0xF1, 0x00, 0x00, 0xF1, 0x00, 0x00, 0x02, 0xAA}, text), READ_COMPLETE);
    EXPECT_EQ(text, "\xAA");
    EXPECT_EQ(
        Read({0xF1, 0x00, 0x00, 0x01, 0x01, 0x01, 0x05, 0x41, 0xF1, 0x00, 0x00, 0x03, 0x55}, text),
        READ_COMPLETE);
    EXPECT_EQ(text, "\x55");
    EXPECT_EQ(Read({0xF1, 0xF1, 0x00, 0x00, 0x02, 0xAA}, text), READ_COMPLETE);
    EXPECT_EQ(text, "\xAA");
}

TEST_F(TransportOnFakeLine, VersionTextMayHoldZeroBytesAndBeEmpty) {
    std::string text;
    EXPECT_EQ(Read({0xF1, 0x00, 0x00, 0x01, 0x01, 0x01, 0x02, 0x00, 0x41}, text), READ_COMPLETE);
    EXPECT_EQ(text, Text({0x01, 0x01, 0x00, 0x41}));
    EXPECT_EQ(Read({0xF1, 0x00, 0x00, 0x01, 0x00, 0x01, 0x00}, text), READ_COMPLETE);
    EXPECT_EQ(text, Text({0x00, 0x01}));
}

TEST_F(TransportOnFakeLine, PortErrorEndsReadsAsAHardwareErrorNotAZeroByte) {
    line.Send(Bytes{0x00, 0x00});
    line.faults.bQueueCount = true;
    EXPECT_EQ(transport.ReadByte(500), READ_HARDWARE_ERROR);
    std::string text;
    EXPECT_EQ(Read({}, text), READ_HARDWARE_ERROR);
    EXPECT_EQ(clock.Sleeps(), 0u);
    line.faults.bQueueCount = false;
    line.Hangup();
    EXPECT_EQ(Read({0xF1, 0x00, 0x00, 0x02, 0xAA}, text), READ_HARDWARE_ERROR);
}

TEST_F(TransportOnFakeLine, CancelIsAskedOnlyWhileAwaitingTheStart) {
    int calls = 0;
    int result = 0;
    line.Send(Bytes{0x41, 0x42, 0xF1, 0x00, 0x00, 0x01, 0x01, 0x01, 0x02, 0x41, 0x42});
    const std::string text = transport.ReadResponse([&] { return ++calls > 0; }, 500, result);
    EXPECT_EQ(result, READ_COMPLETE);
    EXPECT_EQ(text, Text({0x01, 0x01, 'A', 'B'}));
    EXPECT_EQ(calls, 3);
}

TEST_F(TransportOnFakeLine, CancelBeforeAnyByteConsumesNothing) {
    line.Send(Bytes{0xF1, 0x00, 0x00, 0x02, 0xAA});
    int result = 0;
    EXPECT_EQ(transport.ReadResponse([] { return false; }, 500, result), "");
    EXPECT_EQ(result, READ_CANCELLED);
    EXPECT_EQ(transport.ReadResponse({}, 500, result), "\xAA");
}

TEST_F(TransportOnFakeLine, ReadByteReportsStartsEscapesAndTimeOut) {
    line.Send(Bytes{0xF1, 0xF0, 0x00, 0xF0, 0x01, 0x00, 0xF0, 0xF1});
    EXPECT_EQ(transport.ReadByte(100), kDecodedStart);
    EXPECT_EQ(transport.ReadByte(100), 0xF0);
    EXPECT_EQ(transport.ReadByte(100), 0xF1);
    EXPECT_EQ(transport.ReadByte(100), 0x00);
    EXPECT_EQ(transport.ReadByte(100), kDecodedStart);
    EXPECT_EQ(transport.ReadByte(100), READ_TIMEOUT);
}

TEST_F(TransportOnFakeLine, TimeOutOutsideThePortsRangeIsBroughtIntoIt) {
    // 0 would make the port look once and report an empty queue, 100000 would wrap to 34464.
    EXPECT_EQ(transport.ReadByte(0), READ_TIMEOUT);
    EXPECT_EQ(transport.ReadByte(-5), READ_TIMEOUT);
    EXPECT_LT(clock.GetTickCount(), 10u);
    const uint32_t before = clock.GetTickCount();
    EXPECT_EQ(transport.ReadByte(100000), READ_TIMEOUT);
    EXPECT_GE(clock.GetTickCount() - before, 65535u);
    EXPECT_LT(clock.GetTickCount() - before, 65538u);
}

TEST_F(TransportOnFakeLine, SendStopsAtTheFirstByteThatCannotBeWritten) {
    transport.SetFrameAddress(0);
    line.LimitRoom(3);
    EXPECT_EQ(transport.SendFrame(Bytes{0x03, 0xF1, 0x07}), SendResult::Failed);
    EXPECT_EQ(line.Written(), (Bytes{0xF1, 0x00, 0x03}));
}

TEST_F(TransportOnFakeLine, StartByteThatCannotBeWrittenFailsTheSend) {
    line.faults.bWrite = true;
    EXPECT_EQ(transport.SendFrame(Bytes{0x01}), SendResult::Failed);
    line.faults.bWrite = false;
    line.LimitRoom(0);
    EXPECT_EQ(transport.SendFrame(Bytes{}), SendResult::Failed);
    EXPECT_TRUE(line.Written().empty());
}

TEST_F(TransportOnFakeLine, ClosedTransportNeitherSendsNorReads) {
    transport.Close();
    EXPECT_FALSE(line.bHeld);
    EXPECT_EQ(transport.SendFrame(Bytes{0x01}), SendResult::Failed);
    EXPECT_FALSE(transport.WriteEscaped(0x01));
    EXPECT_EQ(transport.ReadByte(100), READ_HARDWARE_ERROR);
    EXPECT_TRUE(line.Written().empty());
}

TEST_F(TransportOnFakeLine, AddressSurvivesCloseAndReopen) {
    transport.SetFrameAddress(0x1234);
    transport.Close();
    ASSERT_EQ(transport.Open("COM1", 9600), "");
    ASSERT_EQ(transport.SendFrame(Bytes{0x02}), SendResult::Sent);
    EXPECT_EQ(line.Written(), (Bytes{0xF1, 0xFE, 0x34, 0x12, 0x02}));
}

TEST_F(TransportOnFakeLine, DestructionReleasesThePort) {
    {
        CSerialTransport other({&host, &clock});
        transport.Close();
        ASSERT_EQ(other.Open("COM1", 9600), "");
        EXPECT_TRUE(line.bHeld);
    }
    EXPECT_FALSE(line.bHeld);
}

} // namespace
