#include "serial/ui/serial_test_exchange.h"

// own
#include "serial/serial_transport.h"

void SendTestText(CSerialTransport& transport, std::string_view text) {
    for (const char c : text.substr(0, kMaxTestSendBytes))
        transport.WriteEscaped(static_cast<uint8_t>(c));
}

std::optional<std::string> ReceiveTestText(CSerialTransport& transport, int timeoutMs) {
    std::string stored;
    while (stored.size() < kMaxTestReceiveBytes) {
        const int value = transport.ReadByte(timeoutMs);
        // Every negative result ends the reading: a failing port would otherwise fill the buffer
        // with whatever its error code looks like as a byte.
        if (value <= 0) break;
        stored.push_back(static_cast<char>(value & 0xFF));
    }
    if (stored.empty()) return std::nullopt;
    return stored.substr(0, stored.find('\0'));
}
