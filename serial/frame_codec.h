#pragma once
// The framing of the controller link, both directions: a frame starts with the one unescaped
// 0xF1 on the line; inside it 0xF0 and 0xF1 travel as 0xF0 0x00 and 0xF0 0x01. There is no
// length, end byte or checksum at this level.

// std
#include <cstdint>
#include <span>
#include <vector>

inline constexpr uint8_t kFrameStart = 0xF1;
inline constexpr uint8_t kFrameEscape = 0xF0;

// A decoded byte of the line: 0 to 255 for data, or one of these.
inline constexpr int kDecodedStart = 256;
// 0xF0 followed by a byte that no escape stands for: the frame is broken.
inline constexpr int kDecodedBadEscape = -6;

// Appends byte as it travels inside a frame (one or two bytes).
void AppendEscaped(std::vector<uint8_t>& line, uint8_t byte);

// The address prefix of an outgoing frame: one byte up to 0xFD; 0xFE and two bytes up to 0xFFFF;
// 0xFF and four bytes above, least significant first.
std::vector<uint8_t> AddressPrefix(uint32_t address);

// A whole frame: the start byte, then prefix and message escaped.
std::vector<uint8_t> EncodeFrame(std::span<const uint8_t> prefix, std::span<const uint8_t> message);

// Undoes the escaping one line byte at a time.
class CEscapeDecoder {
public:
    // The decoded value, or nothing yet (false) after an escape byte. 0xF0 0x00 is 0xF0,
    // 0xF0 0x01 is 0xF1, 0xF0 before a start byte is that start (the escape was cut short by a
    // new frame), any other byte after 0xF0 is kDecodedBadEscape.
    bool Feed(uint8_t lineByte, int& decoded);
    // Forgets a pending escape.
    void Reset() { m_bEscaped = false; }

private:
    bool m_bEscaped = false;
};
