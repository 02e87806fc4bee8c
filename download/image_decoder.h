#pragma once
// DecodeControllerImage: a controller image read back into what it holds. The layout is fully
// determined by the station table, the zone count and the types, so every offset, the length,
// the checksum and every padding bit is checked against what the builder would have written; the
// first thing that differs refuses the image, saying at which byte.

// own
#include "model/config_contents.h"

// std
#include <cstdint>
#include <optional>
#include <span>
#include <string>

struct ImageDecoding {
    // Set when the image was read: no names but the buttons' LCD texts, trailing padding removed.
    std::optional<ConfigContents> contents;
    // Why the image was refused, when it was: "byte 18, station 1: address 0 (1 to 15)".
    std::string refusal;
};

ImageDecoding DecodeControllerImage(std::span<const uint8_t> bytes);
