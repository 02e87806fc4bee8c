#include "serial/frame_codec.h"

void AppendEscaped(std::vector<uint8_t>& line, uint8_t byte) {
    if (byte == kFrameEscape || byte == kFrameStart) {
        line.push_back(kFrameEscape);
        line.push_back(static_cast<uint8_t>(byte - kFrameEscape));
    } else {
        line.push_back(byte);
    }
}

std::vector<uint8_t> AddressPrefix(uint32_t address) {
    auto byteOf = [address](int shift) { return static_cast<uint8_t>(address >> shift); };
    // 0xFE and 0xFF would read as the markers of the longer forms, so they take the two-byte form.
    if (address < 0xFE) return {byteOf(0)};
    if (address <= 0xFFFF) return {0xFE, byteOf(0), byteOf(8)};
    return {0xFF, byteOf(0), byteOf(8), byteOf(16), byteOf(24)};
}

std::vector<uint8_t> EncodeFrame(std::span<const uint8_t> prefix,
                                 std::span<const uint8_t> message) {
    std::vector<uint8_t> line;
    line.reserve(1 + 2 * (prefix.size() + message.size()));
    line.push_back(kFrameStart);
    for (uint8_t byte : prefix)
        AppendEscaped(line, byte);
    for (uint8_t byte : message)
        AppendEscaped(line, byte);
    return line;
}

bool CEscapeDecoder::Feed(uint8_t lineByte, int& decoded) {
    if (m_bEscaped) {
        m_bEscaped = false;
        if (lineByte == kFrameStart)
            decoded = kDecodedStart;
        else if (lineByte <= 1)
            decoded = kFrameEscape + lineByte;
        else
            decoded = kDecodedBadEscape;
        return true;
    }
    if (lineByte == kFrameEscape) {
        m_bEscaped = true;
        return false;
    }
    decoded = lineByte == kFrameStart ? kDecodedStart : lineByte;
    return true;
}
