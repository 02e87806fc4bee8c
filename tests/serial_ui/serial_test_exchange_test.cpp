// The serial test's raw traffic over the in-memory line: exactly the typed bytes go out, and
// reading stops where it must.

// own
#include "serial/serial_transport.h"
#include "serial/ui/serial_test_exchange.h"
#include "tests/serial/fake_serial_device.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

class SerialTestExchange : public ::testing::Test {
protected:
    SerialTestExchange() {
        host.Attach(1, line);
        EXPECT_EQ(transport.Open("COM1", 19200), "");
    }

    void Arrive(const Bytes& bytes) { line.Send(bytes); }
    std::optional<std::string> Receive() { return ReceiveTestText(transport, 50); }

    CManualClock clock;
    CFakeSerialLine line{clock};
    CFakeSerialDeviceHost host;
    CSerialTransport transport{{&host, &clock}};
};

TEST_F(SerialTestExchange, SendsEachByteWithoutStartByteOrPrefixEscapingOnlyF0AndF1) {
    SendTestText(transport, "AB\xF1\xF0\xEF");
    EXPECT_EQ(line.Written(), (Bytes{0x41, 0x42, 0xF0, 0x01, 0xF0, 0x00, 0xEF}));
}

TEST_F(SerialTestExchange, SendsAtMost511Bytes) {
    SendTestText(transport, std::string(600, 'x'));
    EXPECT_EQ(line.Written().size(), kMaxTestSendBytes);
}

TEST_F(SerialTestExchange, StartByteIsStoredAsZeroSoTheTextEndsThereButReadingGoesOn) {
    Arrive({'A', 0xF1, 'B'});
    EXPECT_EQ(Receive(), "A");
    EXPECT_EQ(Receive(), std::nullopt);
    // A start byte alone is a stored byte: the box is replaced by the empty text.
    Arrive({0xF1});
    EXPECT_EQ(Receive(), "");
}

TEST_F(SerialTestExchange, EscapedBytesShowAsTheirValue) {
    Arrive({0xF0, 0x01, 0xF0, 0x00, 'A'});
    EXPECT_EQ(Receive(), "\xF1\xF0"
                         "A");
}

TEST_F(SerialTestExchange, BrokenEscapeEndsTheReading) {
    Arrive({'A', 0xF0, 0x41, 'B'});
    EXPECT_EQ(Receive(), "A");
    EXPECT_EQ(Receive(), "B");
}

TEST_F(SerialTestExchange, PortErrorEndsTheReadingInsteadOfFillingTheBuffer) {
    line.Hangup();
    EXPECT_EQ(Receive(), std::nullopt);
}

TEST_F(SerialTestExchange, StoresAtMost510BytesAndLeavesTheRestForTheNextPress) {
    Arrive(Bytes(600, 'x'));
    EXPECT_EQ(Receive(), std::string(kMaxTestReceiveBytes, 'x'));
    EXPECT_EQ(Receive(), std::string(90, 'x'));
}

} // namespace
