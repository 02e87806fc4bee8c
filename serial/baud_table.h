#pragma once
// The line speeds a port can be opened at, by index.

#include <array>
#include <cstddef>
#include <cstdint>

inline constexpr std::array<uint32_t, 13> kBaudTable{110,   300,   600,   1200,  2400,  4800,  9600,
                                                     14400, 19200, 38400, 56000, 57600, 115200};

// The index of rate in the table, or the table's size (13) for any other rate.
constexpr size_t BaudIndex(int64_t rate) {
    for (size_t i = 0; i < kBaudTable.size(); ++i)
        if (kBaudTable[i] == rate) return i;
    return kBaudTable.size();
}
