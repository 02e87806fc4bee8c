// One contract for every serial device: the POSIX device on a real pseudo-terminal and the
// in-memory fake that other suites use for exact timing must behave alike.

#include "platform/serial_device_posix.h"
#include "tests/serial/fake_serial_device.h"
#include "tests/serial/pty_pair.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

using Bytes = std::vector<uint8_t>;

class PtyLine {
public:
    std::unique_ptr<CSerialDevice> Open() {
        return CPosixSerialDevice::OpenPath(m_pty.SlavePath());
    }
    void FarSend(const Bytes& bytes) { m_pty.Send(bytes); }
    // count bytes, and whatever else follows them at once.
    Bytes FarReceive(size_t count) {
        Bytes bytes = m_pty.Receive(count);
        const Bytes rest = m_pty.Drain();
        bytes.insert(bytes.end(), rest.begin(), rest.end());
        return bytes;
    }
    // The terminal hands bytes to the reader a moment after they were sent.
    void AwaitQueued(CSerialDevice& device, uint32_t count) {
        const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
        uint32_t waiting = 0;
        while (device.InputQueueCount(waiting) && waiting < count &&
               std::chrono::steady_clock::now() < end)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    void FarStopsReading() {}
    void FarDrains() { m_pty.Drain(); }
    void FarHangsUp() { m_pty.Hangup(); }

private:
    CPtyPair m_pty;
};

class FakeLine {
public:
    FakeLine() { m_host.Attach(1, m_line); }
    std::unique_ptr<CSerialDevice> Open() { return m_host.Open(1); }
    void FarSend(const Bytes& bytes) { m_line.Send(bytes); }
    Bytes FarReceive(size_t) {
        Bytes written = m_line.Written();
        m_line.ClearWritten();
        return written;
    }
    void AwaitQueued(CSerialDevice&, uint32_t) {}
    void FarStopsReading() { m_line.LimitRoom(4096); }
    void FarDrains() { m_line.RestoreRoomAt(m_clock.GetTickCount()); }
    void FarHangsUp() { m_line.Hangup(); }

private:
    CManualClock m_clock;
    CFakeSerialLine m_line{m_clock};
    CFakeSerialDeviceHost m_host;
};

template <typename Line> class SerialDeviceContract : public ::testing::Test {
protected:
    Line line;
};

using Lines = ::testing::Types<PtyLine, FakeLine>;
TYPED_TEST_SUITE(SerialDeviceContract, Lines);

TYPED_TEST(SerialDeviceContract, SilentLineHasNothingQueuedAndReadTakesNothing) {
    auto device = this->line.Open();
    ASSERT_TRUE(device);
    uint32_t waiting = 99;
    ASSERT_TRUE(device->InputQueueCount(waiting));
    EXPECT_EQ(waiting, 0u);
    uint8_t byte = 0;
    EXPECT_EQ(device->Read(&byte, 1), 0);
}

TYPED_TEST(SerialDeviceContract, ReceivesEveryByteValueInOrder) {
    auto device = this->line.Open();
    ASSERT_TRUE(device);
    // Bytes that a cooked terminal would translate or swallow: CR, ^C, ^S, ^Q, DEL.
    const Bytes sent{0x0D, 0x0A, 0x03, 0x13, 0x11, 0x7F, 0xF1, 0x00, 0xFF};
    ASSERT_TRUE(device->SetLineSettings({19200, 8, false, true}));
    this->line.FarSend(sent);
    this->line.AwaitQueued(*device, static_cast<uint32_t>(sent.size()));
    uint32_t waiting = 0;
    ASSERT_TRUE(device->InputQueueCount(waiting));
    EXPECT_EQ(waiting, sent.size());
    Bytes got(sent.size());
    EXPECT_EQ(device->Read(got.data(), got.size()), static_cast<long>(sent.size()));
    EXPECT_EQ(got, sent);
}

TYPED_TEST(SerialDeviceContract, WrittenBytesReachTheFarEndUnchanged) {
    auto device = this->line.Open();
    ASSERT_TRUE(device);
    ASSERT_TRUE(device->SetLineSettings({19200, 8, false, true}));
    // A newline would become CR LF on a terminal left in its cooked output mode.
    const Bytes sent{0x0A, 0xF1, 0x00, 0x41};
    EXPECT_EQ(device->Write(sent.data(), sent.size()), static_cast<long>(sent.size()));
    EXPECT_EQ(this->line.FarReceive(sent.size()), sent);
}

TYPED_TEST(SerialDeviceContract, SettingsReadBackAsApplied) {
    auto device = this->line.Open();
    ASSERT_TRUE(device);
    for (uint32_t rate : {14400u, 56000u, 19200u}) {
        SerialLineSettings wanted{rate, 8, false, true};
        ASSERT_TRUE(device->SetLineSettings(wanted));
        SerialLineSettings got;
        ASSERT_TRUE(device->GetLineSettings(got));
        EXPECT_EQ(got.nBaudRate, rate);
        EXPECT_EQ(got.nDataBits, 8);
        EXPECT_FALSE(got.bParity);
        EXPECT_TRUE(got.bTwoStopBits);
        EXPECT_FALSE(got.bCtsFlow);
        EXPECT_FALSE(got.bXonXoffOut);
        EXPECT_FALSE(got.bXonXoffIn);
        EXPECT_EQ(got.nXonChar, 0x11);
        EXPECT_EQ(got.nXoffChar, 0x13);
    }
}

TYPED_TEST(SerialDeviceContract, FullLineRefusesWritesWithoutBlockingUntilDrained) {
    auto device = this->line.Open();
    ASSERT_TRUE(device);
    ASSERT_TRUE(device->SetLineSettings({19200, 8, false, true}));
    this->line.FarStopsReading();
    const Bytes chunk(4096, 0x55);
    long written = 1;
    for (int i = 0; i < 1024 && written > 0; ++i)
        written = device->Write(chunk.data(), chunk.size());
    // Seen full once is all a pseudo-terminal promises: it frees room in chunks on its own
    // schedule, so a second look may already find some.
    ASSERT_EQ(written, 0) << "the line never filled";
    this->line.FarDrains();
    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(2);
    while (written == 0 && std::chrono::steady_clock::now() < end) {
        written = device->Write(chunk.data(), 1);
        if (written == 0) std::this_thread::sleep_for(std::chrono::milliseconds(3));
    }
    EXPECT_EQ(written, 1);
}

TYPED_TEST(SerialDeviceContract, FarEndHangupMakesTheDeviceFail) {
    auto device = this->line.Open();
    ASSERT_TRUE(device);
    this->line.FarHangsUp();
    uint32_t waiting = 0;
    EXPECT_FALSE(device->InputQueueCount(waiting));
    EXPECT_FALSE(device->OutputQueueCount(waiting)) << "a send would wait for it for ever";
    const uint8_t byte = 0x41;
    EXPECT_EQ(device->Write(&byte, 1), -1);
}

TYPED_TEST(SerialDeviceContract, WrittenBytesNotYetGoneCanBeThrownAway) {
    auto device = this->line.Open();
    ASSERT_TRUE(device);
    ASSERT_TRUE(device->SetLineSettings({19200, 8, false, true}));
    this->line.FarStopsReading();
    const Bytes chunk(1024, 0x55);
    ASSERT_GT(device->Write(chunk.data(), chunk.size()), 0);
    uint32_t queued = UINT32_MAX;
    EXPECT_TRUE(device->OutputQueueCount(queued));
    EXPECT_LE(queued, chunk.size());
    EXPECT_TRUE(device->DiscardOutput());
    EXPECT_TRUE(device->OutputQueueCount(queued));
    EXPECT_EQ(queued, 0u);
}

TYPED_TEST(SerialDeviceContract, OpenDeviceIsHeldExclusivelyUntilClosed) {
    auto first = this->line.Open();
    ASSERT_TRUE(first);
    EXPECT_FALSE(this->line.Open());
    EXPECT_TRUE(first->Close());
    first.reset();
    EXPECT_TRUE(this->line.Open());
}

} // namespace
