// CSerialPort on the machine's devices: a real pseudo-terminal linked as a COM port in a private
// ports folder.

#include "platform/serial_device_posix.h"
#include "serial/serial_port.h"
#include "tests/serial/pty_pair.h"
#include "tests/serial/termios2_probe.h"
#include "tests/serial/xdg_scope.h"

#include <gtest/gtest.h>

#include <fstream>

#include <fcntl.h>
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

namespace {

using Bytes = std::vector<uint8_t>;

class SerialPortPosixTest : public ::testing::Test {
protected:
    SerialPortPosixTest() {
        ports.Ports().Relink(3, pty.SlavePath());
        // Opened before the port takes the terminal exclusively: it shows the settings the port
        // applies, since a terminal has one set of settings for all its openers.
        observer = open(pty.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    }
    ~SerialPortPosixTest() override { close(observer); }

    CXdgScope ports;
    CPtyPair pty;
    int observer = -1;
    // No on-board ports or adapters of the test machine join the private ports folder.
    CPosixSerialDeviceHost host{
        {ports.Path() / "none", ports.Path() / "none", ports.Path() / "none"}};
    CSerialPort port{{&host, &SystemClock()}};
};

TEST_F(SerialPortPosixTest, OpensCom3RawAt19200With8DataBitsNoParityAnd2StopBits) {
    ASSERT_EQ(port.Open("COM3", 19200), SERIAL_OK);
    termios tio{};
    ASSERT_EQ(tcgetattr(observer, &tio), 0);
    EXPECT_EQ(cfgetospeed(&tio), B19200);
    EXPECT_EQ(cfgetispeed(&tio), B19200);
    EXPECT_EQ(tio.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_FALSE(tio.c_cflag & PARENB);
    EXPECT_TRUE(tio.c_cflag & CSTOPB);
    EXPECT_FALSE(tio.c_cflag & CRTSCTS);
    EXPECT_TRUE(tio.c_cflag & CLOCAL);
    EXPECT_TRUE(tio.c_cflag & CREAD);
    EXPECT_FALSE(tio.c_iflag & (IXON | IXOFF | ICRNL | ISTRIP));
    EXPECT_FALSE(tio.c_oflag & OPOST);
    EXPECT_FALSE(tio.c_lflag & (ICANON | ECHO | ISIG));
    EXPECT_EQ(tio.c_cc[VSTART], 0x11);
    EXPECT_EQ(tio.c_cc[VSTOP], 0x13);
}

TEST_F(SerialPortPosixTest, RatesWithoutAClassicCodeAreReallySet) {
    for (uint32_t rate : {14400u, 56000u}) {
        ASSERT_EQ(port.Open("COM3", rate), SERIAL_OK);
        EXPECT_EQ(ProbeOutputRate(observer), rate);
        ASSERT_EQ(port.Close(), SERIAL_OK);
    }
}

TEST_F(SerialPortPosixTest, BadNamesAndRatesAreRefusedBeforeAnyDeviceIsOpened) {
    for (const char* name : {"OFFLINE", "COM0", "COM10"})
        EXPECT_EQ(port.Open(name, 19200), SERIAL_BAD_PORT) << name;
    // COM5 has no link: trying the device would have given SERIAL_CREATE_FAILED.
    EXPECT_EQ(port.Open("COM5", 28800), SERIAL_BAD_BAUD);
    EXPECT_EQ(port.Open("COM5", 19200), SERIAL_CREATE_FAILED);
}

TEST_F(SerialPortPosixTest, DoubleOpenAndClosedUseAreRefused) {
    uint8_t byte = 0;
    EXPECT_EQ(port.ReadByte(byte, 10), SERIAL_NOT_OPEN);
    ASSERT_EQ(port.Open("COM3", 9600), SERIAL_OK);
    EXPECT_EQ(port.Open("COM3", 9600), SERIAL_ALREADY_OPEN);
    EXPECT_EQ(port.Close(), SERIAL_OK);
    EXPECT_EQ(port.Close(), SERIAL_NOT_OPEN_CLOSE);
    EXPECT_EQ(port.WriteByte(1), SERIAL_NOT_OPEN);
}

TEST_F(SerialPortPosixTest, BytesTravelBothWaysAndSilenceTimesOut) {
    ASSERT_EQ(port.Open("COM3", 115200), SERIAL_OK);
    for (uint8_t b : {0x0A, 0xF1, 0x00})
        EXPECT_EQ(port.WriteByte(b), SERIAL_OK);
    EXPECT_EQ(pty.Receive(3), (Bytes{0x0A, 0xF1, 0x00}));
    pty.Send(Bytes{0x0D, 0x13});
    uint8_t byte = 0;
    ASSERT_EQ(port.ReadByte(byte, 2000), SERIAL_OK);
    EXPECT_EQ(byte, 0x0D);
    ASSERT_EQ(port.ReadByte(byte, 2000), SERIAL_OK);
    EXPECT_EQ(byte, 0x13);
    EXPECT_EQ(port.ReadByte(byte, 0), SERIAL_NO_DATA);
    EXPECT_EQ(port.ReadByte(byte, 30), SERIAL_TIMEOUT);
}

TEST_F(SerialPortPosixTest, HungUpLineFailsReadsAtOnceAndWrites) {
    ASSERT_EQ(port.Open("COM3", 9600), SERIAL_OK);
    pty.Hangup();
    uint8_t byte = 0;
    EXPECT_EQ(port.ReadByte(byte, 60000), SERIAL_STATUS_FAILED);
    EXPECT_EQ(port.WriteByte(1), SERIAL_WRITE_FAILED);
}

TEST_F(SerialPortPosixTest, PortHeldByAnotherProcessIsRefused) {
    int ready[2];
    int release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        auto held = CPosixSerialDevice::OpenPath(ports.Ports().LinkPath(3));
        const char flag = held ? 'y' : 'n';
        (void)!write(ready[1], &flag, 1);
        char done = 0;
        (void)!read(release[0], &done, 1);
        _exit(0);
    }
    char flag = 0;
    ASSERT_EQ(read(ready[0], &flag, 1), 1);
    ASSERT_EQ(flag, 'y');
    EXPECT_EQ(port.Open("COM3", 9600), SERIAL_CREATE_FAILED);
    EXPECT_FALSE(port.IsOpen());
    (void)!write(release[1], "x", 1);
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(port.Open("COM3", 9600), SERIAL_OK);
    for (int fd : {ready[0], ready[1], release[0], release[1]})
        close(fd);
}

TEST_F(SerialPortPosixTest, ClosedPortCanBeOpenedAgainWhileOthersKeepTheTerminal) {
    // The exclusive flag belongs to the terminal, not to our descriptor.
    ASSERT_EQ(port.Open("COM3", 9600), SERIAL_OK);
    ASSERT_EQ(port.Close(), SERIAL_OK);
    const int again = open(pty.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    EXPECT_GE(again, 0);
    close(again);
    EXPECT_EQ(port.Open("COM3", 9600), SERIAL_OK);
}

TEST_F(SerialPortPosixTest, EnumerationListsLinksToPresentDevicesOnly) {
    CPtyPair other;
    const CPortsFolder folder = ports.Ports();
    folder.Relink(1, other.SlavePath());
    folder.Relink(2, ports.Path() / "unplugged");
    std::ofstream(ports.Path() / "plain-file") << "x";
    folder.Relink(4, ports.Path() / "plain-file");
    folder.Relink(5, ports.Path());
    EXPECT_EQ(port.EnumeratePorts(), 3);
    EXPECT_EQ(port.GetPortName(0), "OFFLINE");
    EXPECT_EQ(port.GetPortName(1), "COM1");
    EXPECT_EQ(port.GetPortName(2), "COM3");
    EXPECT_EQ(port.GetPortName(3), "");
}

TEST_F(SerialPortPosixTest, SystemTerminalsAreNeitherListedNorOpened) {
    // /dev/ptmx would even open as a terminal: a fresh pseudo-terminal master.
    for (const char* device : {"/dev/tty", "/dev/ptmx", "/dev/console"}) {
        ports.Ports().Relink(3, device);
        EXPECT_EQ(port.Open("COM3", 9600), SERIAL_CREATE_FAILED) << device;
        EXPECT_EQ(port.EnumeratePorts(), 1) << device;
    }
}

TEST_F(SerialPortPosixTest, LinkToSomethingOtherThanATerminalIsNotOpened) {
    std::ofstream(ports.Path() / "plain-file") << "x";
    ports.Ports().Relink(3, ports.Path() / "plain-file");
    EXPECT_EQ(port.Open("COM3", 9600), SERIAL_CREATE_FAILED);
    ports.Ports().Relink(3, "/dev/null");
    EXPECT_EQ(port.Open("COM3", 9600), SERIAL_CREATE_FAILED);
}

} // namespace
