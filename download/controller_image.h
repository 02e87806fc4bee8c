#pragma once
// ControllerImage: the one buffer of kImageBufferBytes that holds the controller image between
// building and sending. The owner of a download owns it.

// own
#include "model/kv_doc.h"
#include "model/limits.h"

// std
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

class ControllerImage {
public:
    // The image as the download sends it, from the length field to its last byte; empty before
    // the first build and after a refused one.
    std::span<const uint8_t> Bytes() const { return {m_bytes.data(), m_size}; }
    bool IsEmpty() const { return m_size == 0; }

    // Makes the image `size` bytes long, all zero, and returns them for writing; a size above
    // kImageBufferBytes empties the image and returns an empty span.
    std::span<uint8_t> Reset(std::size_t size);
    void Clear() { m_size = 0; }

    // The size of the document's image, from the counts alone: 16 + 8N + Z * (sum of the
    // stations' buttons in use + 89) + 160 * (stations with LCD texts) + 1,424.
    static std::size_t SizeOf(const CKVDoc& doc);

private:
    std::array<uint8_t, kImageBufferBytes> m_bytes{};
    std::size_t m_size = 0;
};
