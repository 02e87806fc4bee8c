// own
#include "model/station_paste.h"
#include "model/kv_doc.h"
#include "model/formats/station_json.h"

// std
#include <algorithm>

namespace {
bool NameTaken(const CKVDoc& doc, const std::string& name) {
    return std::any_of(doc.m_pStations.begin(), doc.m_pStations.end(),
                       [&](const auto& station) { return station->GetName() == name; });
}

// Drops the zones the document has no column for; how many went.
int DropZonesFrom(CBtn& button, int maxZones) {
    const auto before = button.m_pZones.size();
    std::erase_if(button.m_pZones, [&](const CZone& zone) { return zone.m_nZone >= maxZones; });
    return static_cast<int>(before - button.m_pZones.size());
}
} // namespace

std::string StationClipboardText(const CStation& station) {
    return StationToJson(station).dump(2);
}

std::string UniqueStationName(const CKVDoc& doc, const std::string& name) {
    if (!NameTaken(doc, name)) return name;
    for (int n = 2;; ++n) {
        const std::string suffix = " (" + std::to_string(n) + ")";
        std::string candidate = name.substr(0, CStation::kMaxName - suffix.size()) + suffix;
        if (!NameTaken(doc, candidate)) return candidate;
    }
}

std::variant<std::monostate, CPastedStation, CStationRefusal>
PrepareStationPaste(const CKVDoc& doc, std::string_view json) {
    const auto value = nlohmann::ordered_json::parse(json, nullptr, false);
    if (value.is_discarded()) return {};
    CPastedStation pasted;
    try {
        pasted.station = ReadStation(CJsonReader(value, ""), kMaxZones);
    } catch (const CJsonRefusal&) {
        return {};
    }
    CStation& station = *pasted.station;
    if (!ControllerHasRoomFor(doc, station.m_nType)) return MemoryRefusal();
    if (doc.IsPortAddressUsed(station.m_nPort, station.m_nAddress, nullptr)) {
        int port = 0, address = 0;
        doc.FindFreePortAddress(port, address);
        if (port == 0) return PairRefusal(station.m_nPort, station.m_nAddress);
        station.SetPort(port);
        station.SetAddress(address);
    }
    station.SetName(UniqueStationName(doc, station.GetName()));
    for (CBtn& button : station.m_Buttons)
        pasted.droppedZones += DropZonesFrom(button, doc.m_nMaxZones);
    return pasted;
}
