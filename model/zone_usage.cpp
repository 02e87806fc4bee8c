// own
#include "model/zone_usage.h"
#include "model/limits.h"
#include "model/kv_doc.h"

// std
#include <algorithm>

namespace {
bool Pages(const CBtn& button, int zone) {
    return std::any_of(button.m_pZones.begin(), button.m_pZones.end(),
                       [zone](const CZone& z) { return z.m_nZone == zone; });
}

// Calls `visit` with every button in use and its reference.
template <typename Visit> void ForEachButton(const CKVDoc& doc, Visit visit) {
    for (std::size_t s = 0; s < doc.m_pStations.size(); ++s) {
        const CStation& station = *doc.m_pStations[s];
        const int inUse = std::clamp(station.m_nType, 0, CStation::kButtonSlots);
        for (int b = 0; b < inUse; ++b)
            visit(CButtonRef{static_cast<int>(s), b}, station.m_Buttons[b]);
    }
    for (int k = 0; k < kSoftButtonCount; ++k)
        visit(CButtonRef{-1, k}, doc.m_SoftButtons[k]);
}
} // namespace

std::vector<CButtonRef> ButtonsPagingZone(const CKVDoc& doc, int zone) {
    std::vector<CButtonRef> buttons;
    ForEachButton(doc, [&](CButtonRef ref, const CBtn& button) {
        if (Pages(button, zone)) buttons.push_back(ref);
    });
    return buttons;
}

std::vector<int> PagingCounts(const CKVDoc& doc) {
    std::vector<int> counts(kMaxZones, 0);
    ForEachButton(doc, [&](CButtonRef, const CBtn& button) {
        // A file may hold a zone twice in one list; the button still pages it once.
        std::vector<bool> seen(kMaxZones, false);
        for (const CZone& zone : button.m_pZones)
            if (zone.m_nZone >= 0 && zone.m_nZone < kMaxZones && !seen[zone.m_nZone]) {
                seen[zone.m_nZone] = true;
                ++counts[zone.m_nZone];
            }
    });
    return counts;
}
