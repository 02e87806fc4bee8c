// own
#include "model/btn.h"
#include "model/formats/archive.h"

// std
#include <algorithm>

namespace {
// A zone record is at least its tag and its zone word.
constexpr std::size_t kMinZoneRecord = 4;
} // namespace

const CRuntimeClass CBtn::classCBtn = {"CBtn", 0, &CreateObjectOf<CBtn>};

bool CBtn::SetName(const std::string& name) {
    if (name.size() > kMaxButtonName) return false;
    m_strName = name;
    return true;
}

bool CBtn::ToggleZone(int zoneIndex) {
    CZone zone;
    if (!zone.SetZone(zoneIndex)) return false;
    // A file may hold a zone twice; switching it off removes every record of it, so that the
    // zone is really off.
    if (std::erase_if(m_pZones, [&](const CZone& z) { return z.m_nZone == zoneIndex; }) > 0)
        return false;
    const auto greater = std::find_if(m_pZones.begin(), m_pZones.end(),
                                      [&](const CZone& z) { return z.m_nZone > zoneIndex; });
    m_pZones.insert(greater, zone);
    return true;
}

void CBtn::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteCount(m_pZones.size());
        for (CZone& zone : m_pZones) {
            ar.WriteObjectTag(CZone::classCZone);
            zone.Serialize(ar);
        }
        ar.WriteText(m_strName);
    } else {
        const uint32_t count = ar.ReadCount();
        m_pZones.reserve(ar.BoundedCount(count, kMinZoneRecord));
        for (uint32_t i = 0; i < count; ++i) {
            ar.ReadNewObjectTag(CZone::classCZone);
            m_pZones.emplace_back().Serialize(ar);
        }
        SetName(ar.ReadText());
    }
}
