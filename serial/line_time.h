#pragma once
// How long bytes take on the serial line: 11 bits each (a start bit, 8 data bits, 2 stop bits).

// std
#include <cstdint>

inline constexpr uint32_t kBitsPerByte = 11;

// Milliseconds that `bytes` take on the line at `baud`, rounded up; 0 at a rate of 0.
constexpr uint32_t LineTimeMs(uint64_t bytes, uint32_t baud) {
    if (baud == 0) return 0;
    return static_cast<uint32_t>((bytes * kBitsPerByte * 1000 + baud - 1) / baud);
}

// Whole bytes that the line carries in `ms` at `baud`.
constexpr uint64_t LineBytesIn(uint32_t ms, uint32_t baud) {
    return uint64_t(ms) * baud / (kBitsPerByte * 1000);
}
