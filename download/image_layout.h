#pragma once
// The fixed numbers of the controller image's layout, shared by the builder and the size formula.

// own
#include "model/kv_doc.h"
#include "model/limits.h"
#include "model/station.h"

// std
#include <algorithm>
#include <cstddef>

namespace image_layout {

inline constexpr std::size_t kHeaderSize = kImageHeaderBytes;
inline constexpr std::size_t kStationRecordSize = 8;
inline constexpr std::size_t kTextSlotSize = kMaxLcdText;
// Ten texts: the buttons' texts, and for a break-out panel nine of them and its own text.
inline constexpr std::size_t kStationTextsSize = 10 * kTextSlotSize;
inline constexpr std::size_t kGlobalTextsSize = kSoftButtonCount * kTextSlotSize;

// Type codes of the stations whose buttons have LCD texts.
inline constexpr int kTenButtonCode = 1;
inline constexpr int kTenButtonBreakOutCode = 4;

// Bytes of one zone map: one bit per zone in use.
inline std::size_t ZoneMapSize(int maxZones) {
    return static_cast<std::size_t>(std::max(maxZones, 0) + 7) / 8;
}

// The type code the image gives a station; a button count outside the table gives 0.
inline int ImageTypeCode(const CStation& station) {
    return std::max(CStation::TypeCode(station.m_nType), 0);
}

// The buttons the image holds for a station, never more than it has.
inline int ButtonsInUse(const CStation& station) {
    return std::clamp(station.m_nType, 0, CStation::kButtonSlots);
}

inline bool HasLcdTexts(const CStation& station) {
    const int code = ImageTypeCode(station);
    return code == kTenButtonCode || code == kTenButtonBreakOutCode;
}

} // namespace image_layout
