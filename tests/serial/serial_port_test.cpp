// CSerialPort on the in-memory line: result codes and exact timing.

#include "serial/serial_port.h"
#include "tests/serial/fake_serial_device.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

class SerialPortTest : public ::testing::Test {
protected:
    SerialPortTest() { host.Attach(3, line); }

    CManualClock clock;
    CFakeSerialLine line{clock};
    CFakeSerialDeviceHost host;
    CSerialPort port{{&host, &clock}};
};

TEST_F(SerialPortTest, OpensCom3WithTheFixedLineSettings) {
    line.settings.bCtsFlow = true;
    line.settings.bXonXoffOut = true;
    line.settings.nXonChar = 0x01;
    ASSERT_EQ(port.Open("COM3", 19200), SERIAL_OK);
    EXPECT_TRUE(port.IsOpen());
    const SerialLineSettings expected{19200, 8,     false, true, true, true,
                                      false, false, false, 0x11, 0x13};
    EXPECT_EQ(line.settings, expected);
}

TEST_F(SerialPortTest, EveryRateOfTheBaudTableIsApplied) {
    for (uint32_t rate : {110u, 14400u, 56000u, 115200u}) {
        ASSERT_EQ(port.Open("COM3", rate), SERIAL_OK);
        EXPECT_EQ(line.settings.nBaudRate, rate);
        ASSERT_EQ(port.Close(), SERIAL_OK);
    }
}

TEST_F(SerialPortTest, RefusesNamesOutsideCom1ToCom9WithoutTouchingADevice) {
    host.Attach(1, line);
    for (const char* name : {"OFFLINE", "COM0", "COM10", "COM", "com3", "COM-1", "COM4294967298"})
        EXPECT_EQ(port.Open(name, 19200), SERIAL_BAD_PORT) << name;
    EXPECT_EQ(line.nOpens, 0u);
}

TEST_F(SerialPortTest, ReadsThePortNumberAsTheCLibraryDoes) {
    EXPECT_EQ(port.Open("COM3x", 9600), SERIAL_OK);
    port.Close();
    EXPECT_EQ(port.Open("COM 3", 9600), SERIAL_OK);
}

TEST_F(SerialPortTest, RefusesRatesOutsideTheTableWhateverTheName) {
    for (const char* name : {"COM3", "OFFLINE", "COM10"})
        EXPECT_EQ(port.Open(name, 28800), SERIAL_BAD_BAUD) << name;
    EXPECT_EQ(port.Open("COM3", 0), SERIAL_BAD_BAUD);
    EXPECT_EQ(port.Open("COM3", 19200LL + (1LL << 32)), SERIAL_BAD_BAUD);
    EXPECT_EQ(line.nOpens, 0u);
}

TEST_F(SerialPortTest, FailedOpenReportsTheStepAndHoldsNoDevice) {
    EXPECT_EQ(port.Open("COM5", 9600), SERIAL_CREATE_FAILED);
    line.faults.bGetState = true;
    EXPECT_EQ(port.Open("COM3", 9600), SERIAL_GET_STATE_FAILED);
    EXPECT_FALSE(line.bHeld);
    line.faults.bGetState = false;
    line.faults.bSetState = true;
    EXPECT_EQ(port.Open("COM3", 9600), SERIAL_SET_STATE_FAILED);
    EXPECT_FALSE(line.bHeld);
    EXPECT_FALSE(port.IsOpen());
    line.faults.bSetState = false;
    EXPECT_EQ(port.Open("COM3", 9600), SERIAL_OK);
}

TEST_F(SerialPortTest, SecondOpenFailsAndLeavesTheOpenPortUntouched) {
    ASSERT_EQ(port.Open("COM3", 9600), SERIAL_OK);
    EXPECT_EQ(port.Open("COM3", 19200), SERIAL_ALREADY_OPEN);
    EXPECT_EQ(port.Open("COM3", 28800), SERIAL_ALREADY_OPEN);
    EXPECT_EQ(line.settings.nBaudRate, 9600u);
    EXPECT_EQ(line.nOpens, 1u);
    EXPECT_EQ(port.WriteByte(0x41), SERIAL_OK);
}

TEST_F(SerialPortTest, ClosedPortRefusesEveryUse) {
    uint8_t byte = 0;
    EXPECT_EQ(port.Close(), SERIAL_NOT_OPEN_CLOSE);
    EXPECT_EQ(port.WriteByte(0x41), SERIAL_NOT_OPEN);
    EXPECT_EQ(port.ReadByte(byte, 100), SERIAL_NOT_OPEN);
    ASSERT_EQ(port.Open("COM3", 9600), SERIAL_OK);
    ASSERT_EQ(port.Close(), SERIAL_OK);
    EXPECT_EQ(port.Close(), SERIAL_NOT_OPEN_CLOSE);
    EXPECT_EQ(port.WriteByte(0x41), SERIAL_NOT_OPEN);
    EXPECT_TRUE(line.Written().empty());
}

TEST_F(SerialPortTest, CloseDropsDtrAndReleasesEvenWhenClosingFails) {
    ASSERT_EQ(port.Open("COM3", 9600), SERIAL_OK);
    line.faults.bClose = true;
    EXPECT_EQ(port.Close(), SERIAL_CLOSE_FAILED);
    ASSERT_FALSE(line.applied.empty());
    EXPECT_FALSE(line.applied.back().bDtr);
    EXPECT_FALSE(line.bHeld);
    EXPECT_FALSE(port.IsOpen());
}

TEST_F(SerialPortTest, DestructionReleasesAnOpenPort) {
    {
        CSerialPort other({&host, &clock});
        ASSERT_EQ(other.Open("COM3", 9600), SERIAL_OK);
    }
    EXPECT_FALSE(line.bHeld);
    EXPECT_FALSE(line.applied.back().bDtr);
}

TEST_F(SerialPortTest, ReadWithTimeoutZeroLooksOnceWithoutSleeping) {
    ASSERT_EQ(port.Open("COM3", 9600), SERIAL_OK);
    uint8_t byte = 0;
    EXPECT_EQ(port.ReadByte(byte, 0), SERIAL_NO_DATA);
    EXPECT_EQ(clock.Sleeps(), 0u);
    line.Send(Bytes{0x7E});
    EXPECT_EQ(port.ReadByte(byte, 0), SERIAL_OK);
    EXPECT_EQ(byte, 0x7E);
}

TEST_F(SerialPortTest, SilentLineTimesOutAfterTheTimeOutInOneWait) {
    ASSERT_EQ(port.Open("COM3", 9600), SERIAL_OK);
    uint8_t byte = 0;
    EXPECT_EQ(port.ReadByte(byte, 3000), SERIAL_TIMEOUT);
    EXPECT_EQ(clock.GetTickCount(), 3000u);
    EXPECT_EQ(clock.Sleeps(), 1u);
}

TEST_F(SerialPortTest, ByteArrivingLateIsReadAtItsArrival) {
    ASSERT_EQ(port.Open("COM3", 9600), SERIAL_OK);
    line.SendAt(100, Bytes{0x42});
    uint8_t byte = 0;
    EXPECT_EQ(port.ReadByte(byte, 3000), SERIAL_OK);
    EXPECT_EQ(byte, 0x42);
    EXPECT_EQ(clock.GetTickCount(), 100u);
}

TEST_F(SerialPortTest, TimeOutIsComparedIn32BitsAfterAStall) {
    // A machine that stalls past 65.5 s inside the wait: a 16-bit view of the elapsed time would
    // wrap to a small number and wait nearly another minute.
    class CStallingClock final : public CClock {
    public:
        uint32_t GetTickCount() override { return m_now; }
        void Sleep(uint32_t) override { m_now += 70000, ++sleeps; }
        uint32_t m_now = 0;
        unsigned sleeps = 0;
    } stalling;
    CFakeSerialLine stalledLine(stalling);
    CFakeSerialDeviceHost stalledHost;
    stalledHost.Attach(3, stalledLine);
    CSerialPort stalled({&stalledHost, &stalling});
    ASSERT_EQ(stalled.Open("COM3", 9600), SERIAL_OK);
    uint8_t byte = 0;
    EXPECT_EQ(stalled.ReadByte(byte, 65535), SERIAL_TIMEOUT);
    EXPECT_EQ(stalling.sleeps, 1u);
}

TEST_F(SerialPortTest, UnreadableQueueFailsAtOnceInsteadOfWaiting) {
    ASSERT_EQ(port.Open("COM3", 9600), SERIAL_OK);
    line.faults.bQueueCount = true;
    line.Send(Bytes{0x42});
    uint8_t byte = 0;
    EXPECT_EQ(port.ReadByte(byte, 3000), SERIAL_STATUS_FAILED);
    EXPECT_EQ(clock.Sleeps(), 0u);
}

TEST_F(SerialPortTest, ReadFailuresHaveCodesOfTheirOwn) {
    ASSERT_EQ(port.Open("COM3", 9600), SERIAL_OK);
    uint8_t byte = 0;
    line.Send(Bytes{0x42});
    line.faults.bRead = true;
    EXPECT_EQ(port.ReadByte(byte, 100), SERIAL_READ_FAILED);
    line.faults.bRead = false;
    line.faults.bShortRead = true;
    EXPECT_EQ(port.ReadByte(byte, 100), SERIAL_READ_SHORT);
    line.faults.bShortRead = false;
    EXPECT_EQ(port.ReadByte(byte, 100), SERIAL_OK);
    EXPECT_EQ(byte, 0x42);
}

TEST_F(SerialPortTest, WriteWaitsForRoomAndSucceedsOnlyOnceWritten) {
    ASSERT_EQ(port.Open("COM3", 9600), SERIAL_OK);
    line.LimitRoom(1);
    line.RestoreRoomAt(50);
    EXPECT_EQ(port.WriteByte(0x01), SERIAL_OK);
    EXPECT_EQ(clock.GetTickCount(), 0u);
    EXPECT_EQ(port.WriteByte(0x02), SERIAL_OK);
    EXPECT_EQ(clock.GetTickCount(), 50u);
    EXPECT_EQ(line.Written(), (Bytes{0x01, 0x02}));
}

TEST_F(SerialPortTest, WriteGivesUpWhenRoomNeverComes) {
    ASSERT_EQ(port.Open("COM3", 9600), SERIAL_OK);
    line.LimitRoom(0);
    EXPECT_EQ(port.WriteByte(0x01), SERIAL_WRITE_FAILED);
    EXPECT_EQ(clock.GetTickCount(), CSerialPort::kWriteTimeoutMs);
    EXPECT_TRUE(line.Written().empty());
}

TEST_F(SerialPortTest, FailedWriteIsReportedAtOnce) {
    ASSERT_EQ(port.Open("COM3", 9600), SERIAL_OK);
    line.faults.bWrite = true;
    EXPECT_EQ(port.WriteByte(0x01), SERIAL_WRITE_FAILED);
    EXPECT_EQ(clock.Sleeps(), 0u);
}

TEST_F(SerialPortTest, EnumerationListsOfflineThenThePortsPresent) {
    CFakeSerialLine com1(clock);
    host.Attach(1, com1);
    EXPECT_EQ(port.GetPortName(0), "");
    EXPECT_EQ(port.EnumeratePorts(), 3);
    EXPECT_EQ(port.GetPortName(0), "OFFLINE");
    EXPECT_EQ(port.GetPortName(1), "COM1");
    EXPECT_EQ(port.GetPortName(2), "COM3");
    EXPECT_EQ(port.GetPortName(3), "");
    EXPECT_EQ(port.GetPortName(-1), "");
    EXPECT_EQ(port.GetPortName(10), "");
}

TEST_F(SerialPortTest, EnumerationNeverListsMoreThanCom1ToCom9) {
    std::vector<std::unique_ptr<CFakeSerialLine>> lines;
    for (unsigned n = 1; n <= 12; ++n) {
        lines.push_back(std::make_unique<CFakeSerialLine>(clock));
        host.Attach(n, *lines.back());
    }
    EXPECT_EQ(port.EnumeratePorts(), 10);
    EXPECT_EQ(port.GetPortName(9), "COM9");
    EXPECT_EQ(port.GetPortName(10), "");
}

} // namespace
