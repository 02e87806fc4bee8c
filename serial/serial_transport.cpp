#include "serial/serial_transport.h"

// std
#include <algorithm>

namespace {

// Internal outcomes of one frame besides the public results: a start byte inside the frame (a new
// frame begins there) and a second byte other than 0 (wait for the next start).
constexpr int kFrameRestart = kDecodedStart;
constexpr int kFrameResync = kDecodedStart + 1;

bool IsData(int value) {
    return value >= 0 && value <= 0xFF;
}

} // namespace

CSerialTransport::CSerialTransport(const SerialPlatform& platform) : m_port(platform) {}

CSerialTransport::~CSerialTransport() {
    Close();
}

std::string CSerialTransport::Open(std::string_view portName, int64_t baud) {
    const int result = m_port.Open(portName, baud);
    m_bOpen = true;
    return result == SERIAL_OK ? std::string() : std::string(kOpenFailedText);
}

void CSerialTransport::Close() {
    m_port.Close();
    m_bOpen = false;
}

void CSerialTransport::SetFrameAddress(uint32_t address) {
    m_prefix = AddressPrefix(address);
}

bool CSerialTransport::WriteRaw(uint8_t byte) {
    return m_bOpen && m_port.WriteByte(byte) == 0;
}

bool CSerialTransport::WriteEscaped(uint8_t byte) {
    std::vector<uint8_t> line;
    AppendEscaped(line, byte);
    return std::all_of(line.begin(), line.end(), [this](uint8_t b) { return WriteRaw(b); });
}

bool CSerialTransport::SendFrame(std::span<const uint8_t> message) {
    if (!m_bOpen) return false;
    // A frame whose start byte is lost would be read as the tail of whatever came before.
    if (!WriteRaw(kFrameStart)) return false;
    for (uint8_t byte : m_prefix)
        if (!WriteEscaped(byte)) return false;
    for (uint8_t byte : message)
        if (!WriteEscaped(byte)) return false;
    return true;
}

int CSerialTransport::ReadByte(int timeoutMs) {
    if (!m_bOpen) return READ_HARDWARE_ERROR;
    // The port counts 16-bit milliseconds; 0 would mean "look once" instead of "wait".
    const auto timeout = static_cast<uint16_t>(std::clamp(timeoutMs, 1, 0xFFFF));
    CEscapeDecoder decoder;
    for (;;) {
        uint8_t lineByte = 0;
        const int status = m_port.ReadByte(lineByte, timeout);
        if (status == SERIAL_TIMEOUT) return READ_TIMEOUT;
        if (status != SERIAL_OK) return READ_HARDWARE_ERROR;
        int decoded = 0;
        if (decoder.Feed(lineByte, decoded)) return decoded;
    }
}

int CSerialTransport::ReadFrameBody(int timeoutMs, std::string& text) {
    int value = ReadByte(timeoutMs);
    if (!IsData(value)) return value;
    if (value != 0) return kFrameResync;
    value = ReadByte(timeoutMs);
    if (!IsData(value)) return value;
    if (value != 0) return READ_BAD_FRAME;

    const int type = ReadByte(timeoutMs);
    if (type == READ_TIMEOUT) return READ_TYPE_TIMEOUT;
    if (!IsData(type)) return type;
    if (type < 1 || type > 3) return READ_BAD_FRAME;

    // Type 1: two version bytes, a count, then that many text bytes; types 2 and 3: one byte.
    const int heading = type == 1 ? 3 : 1;
    std::string body;
    for (int i = 0; i < heading; ++i) {
        value = ReadByte(timeoutMs);
        if (!IsData(value)) return value;
        body.push_back(static_cast<char>(value));
    }
    if (type == 1) {
        const auto count = static_cast<uint8_t>(body.back());
        body.pop_back();
        for (int i = 0; i < count; ++i) {
            value = ReadByte(timeoutMs);
            if (!IsData(value)) return value;
            body.push_back(static_cast<char>(value));
        }
    }
    text = std::move(body);
    return READ_COMPLETE;
}

std::string CSerialTransport::ReadResponse(const std::function<bool()>& goOn, int timeoutMs,
                                           int& result) {
    bool startInHand = false;
    for (;;) {
        if (goOn && !goOn()) {
            result = READ_CANCELLED;
            return {};
        }
        if (!startInHand) {
            const int value = ReadByte(timeoutMs);
            if (value == READ_TIMEOUT || value == READ_HARDWARE_ERROR) {
                result = value;
                return {};
            }
            // Anything before a start byte is noise, a broken escape included.
            if (value != kDecodedStart) continue;
        }
        std::string text;
        const int outcome = ReadFrameBody(timeoutMs, text);
        startInHand = outcome == kFrameRestart;
        if (outcome == kFrameRestart || outcome == kFrameResync) continue;
        result = outcome;
        return text;
    }
}
