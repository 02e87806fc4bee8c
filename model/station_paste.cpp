// own
#include "model/station_paste.h"
#include "model/formats/station_json.h"
#include "model/kv_doc.h"
#include "model/station_gate.h"
#include "platform/cp1252.h"

// std
#include <algorithm>
#include <array>

namespace {
// A station's JSON form is a few kilobytes; far longer text is not one, and Paste's update
// handler need not read it.
constexpr std::size_t kMaxStationText = 1 << 20;
constexpr const char* kPasteCaption = "Paste Station";
constexpr std::array<const char*, 7> kStationKeys{"name",  "type",    "port",   "address",
                                                  "group", "lcdText", "buttons"};

// The station object of `text`; a discarded value when there is none.
nlohmann::ordered_json StationObject(std::string_view text) {
    constexpr auto kNone = nlohmann::ordered_json::value_t::discarded;
    if (text.size() > kMaxStationText) return kNone;
    auto value = nlohmann::ordered_json::parse(text, nullptr, false);
    if (!value.is_object() || value.empty()) return kNone;
    for (const auto& item : value.items())
        if (std::none_of(kStationKeys.begin(), kStationKeys.end(),
                         [&](const char* key) { return item.key() == key; }))
            return kNone;
    return value;
}

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
        std::string candidate = name.substr(0, kMaxStationName - suffix.size()) + suffix;
        if (!NameTaken(doc, candidate)) return candidate;
    }
}

bool HoldsStation(std::string_view text) {
    return !StationObject(text).is_discarded();
}

std::variant<std::monostate, CPastedStation, CStationRefusal>
PrepareStationPaste(const CKVDoc& doc, std::string_view json) {
    const auto value = StationObject(json);
    if (value.is_discarded()) return {};
    CPastedStation pasted;
    try {
        pasted.station = ReadStation(CJsonReader(value, ""), kMaxZones);
    } catch (const CJsonRefusal& refusal) {
        const std::string why = Utf8ToCp1252(refusal.line).value_or(refusal.line);
        return CStationRefusal{"The Station on the clipboard cannot be pasted: " + why + ".",
                               kPasteCaption};
    }
    CStation& station = *pasted.station;
    const StationGate gate = CheckStationAdd(doc, station.m_nPort, station.m_nAddress);
    if (gate == StationGate::Full) return FullRefusal();
    if (!ControllerHasRoomFor(doc, station.m_nType)) return MemoryRefusal();
    if (gate == StationGate::PairTaken) {
        int port = station.m_nPort, address = station.m_nAddress;
        doc.FindFreePortAddress(port, address);
        station.SetPort(port);
        station.SetAddress(address);
        pasted.moved = true;
    }
    station.SetName(UniqueStationName(doc, station.GetName()));
    for (CBtn& button : station.m_Buttons)
        pasted.droppedZones += DropZonesFrom(button, doc.m_nMaxZones);
    return pasted;
}

std::string MovedStationStatus(const CStation& station) {
    return "Pasted \"" + station.GetName() + "\" at [" + std::to_string(station.m_nPort) + "-" +
           std::to_string(station.m_nAddress) + "]";
}
