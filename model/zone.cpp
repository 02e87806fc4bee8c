// own
#include "model/zone.h"
#include "model/formats/archive.h"

const CRuntimeClass CZone::classCZone = {"CZone", 0, &CreateObjectOf<CZone>};

bool CZone::SetZone(int zoneIndex) {
    if (zoneIndex < 0 || zoneIndex > kMaxIndex) return false;
    m_nZone = zoneIndex;
    return true;
}

void CZone::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteWord(static_cast<uint16_t>(m_nZone));
    } else {
        // Index 99 would be zone 100, which no view can show or switch off.
        const uint16_t zoneIndex = ar.ReadWord();
        if (zoneIndex >= kMaxZones) ar.RefuseContent();
        SetZone(zoneIndex);
    }
}
