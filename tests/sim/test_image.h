#pragma once
// Controller images for the simulator's tests, laid out as the controller expects them.

#include <cstddef>
#include <cstdint>
#include <vector>

// An image with no stations and 99 zones (2,597 bytes), whose first global buttons page zones
// that put the bytes 0xF1 and 0xF0 into it, so that sending it needs escapes. Length field and
// checksum are right.
std::vector<uint8_t> MakeEmptyImage();
// The download message: 0x03 followed by the image.
std::vector<uint8_t> DownloadMessage(const std::vector<uint8_t>& image);
// Recomputes the checksum field from the bytes after it.
void Reseal(std::vector<uint8_t>& image);
