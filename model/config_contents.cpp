// own
#include "model/config_contents.h"

// std
#include <algorithm>

namespace {
ContentsButton ButtonContents(const CBtn& button) {
    ContentsButton contents{{}, button.m_strName};
    contents.zones.reserve(button.m_pZones.size());
    for (const CZone& zone : button.m_pZones)
        contents.zones.push_back(zone.m_nZone);
    return contents;
}
} // namespace

ConfigContents ContentsOf(const CKVDoc& doc) {
    ConfigContents contents;
    contents.version = doc.m_wVersion;
    contents.maxZones = doc.m_nMaxZones;
    const int named = std::clamp(doc.m_nMaxZones, 0, kMaxZones);
    contents.zoneNames.emplace(doc.m_strZoneNames.begin(), doc.m_strZoneNames.begin() + named);
    for (const auto& station : doc.m_pStations) {
        ContentsStation& out = contents.stations.emplace_back();
        out.name = station->m_strName;
        out.type = station->m_nType;
        out.port = station->m_nPort;
        out.address = station->m_nAddress;
        out.group = station->m_nGroup;
        out.lcdText = station->m_strLcdText;
        const int inUse = std::clamp(station->m_nType, 0, CStation::kButtonSlots);
        for (int n = 0; n < inUse; ++n)
            out.buttons.push_back(ButtonContents(station->m_Buttons[n]));
    }
    for (const CBtn& button : doc.m_SoftButtons)
        contents.softButtons.push_back(ButtonContents(button));
    return contents;
}
