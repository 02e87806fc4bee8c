#pragma once
// What the simulated controller checks in a received image: that its length field agrees with
// the layout its own header and station table describe, and that its checksum is right.

// std
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct ImageCheck {
    bool bOk = true;
    std::vector<std::string> lines; // one finding per line, for the log
};

// image: the whole image as received, length field first (length + 4 bytes).
ImageCheck CheckImage(std::span<const uint8_t> image);
