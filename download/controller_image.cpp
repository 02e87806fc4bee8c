// own
#include "download/controller_image.h"
#include "download/image_layout.h"

// std
#include <algorithm>

std::span<uint8_t> ControllerImage::Reset(std::size_t size) {
    if (size > kImageBufferBytes) {
        m_size = 0;
        return {};
    }
    std::fill_n(m_bytes.begin(), size, uint8_t{0});
    m_size = size;
    return {m_bytes.data(), m_size};
}

std::size_t ControllerImage::SizeOf(const CKVDoc& doc) {
    using namespace image_layout;
    std::size_t buttons = kSoftButtonCount;
    std::size_t stationTexts = 0;
    for (const auto& station : doc.m_pStations) {
        buttons += static_cast<std::size_t>(ButtonsInUse(*station));
        if (HasLcdTexts(*station)) stationTexts += kStationTextsSize;
    }
    return kHeaderSize + kStationRecordSize * doc.m_pStations.size() +
           ZoneMapSize(doc.m_nMaxZones) * buttons + stationTexts + kGlobalTextsSize;
}
