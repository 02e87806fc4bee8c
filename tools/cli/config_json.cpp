// own
#include "tools/cli/config_json.h"
#include "model/station_json.h"
#include "platform/cp1252.h"
#include "model/text_excerpt.h"

using Json = nlohmann::ordered_json;

namespace {
constexpr std::size_t kMaxStations = CStation::kMaxPort * CStation::kMaxAddress;

// The editor never lets two stations share a port and address: the controller could not tell
// them apart.
void RefuseSharedPortAddress(const CJsonReader& stations, const CKVDoc& doc) {
    for (std::size_t i = 1; i < doc.m_pStations.size(); ++i) {
        const CStation& station = *doc.m_pStations[i];
        for (std::size_t j = 0; j < i; ++j) {
            const CStation& first = *doc.m_pStations[j];
            if (first.m_nPort != station.m_nPort || first.m_nAddress != station.m_nAddress)
                continue;
            const std::string pair = "[" + std::to_string(station.m_nPort) + "-" +
                                     std::to_string(station.m_nAddress) + "]";
            stations[i].Refuse(pair + " of \"" + Cp1252ToUtf8(station.m_strName) +
                               "\" already used by \"" + Cp1252ToUtf8(first.m_strName) +
                               "\" (stations[" + std::to_string(j) + "])");
        }
    }
}
} // namespace

Json ConfigToJson(const CKVDoc& doc) {
    Json zoneNames = Json::array();
    for (int n = 0; n < doc.m_nMaxZones; ++n)
        zoneNames.push_back(Cp1252ToUtf8(doc.m_strZoneNames[n]));
    Json stations = Json::array();
    for (const auto& station : doc.m_pStations)
        stations.push_back(StationToJson(*station));
    Json softButtons = Json::array();
    for (const CBtn& button : doc.m_SoftButtons)
        softButtons.push_back(ButtonToJson(button));
    return {{"version", doc.m_wVersion},
            {"maxZones", doc.m_nMaxZones},
            {"zoneNames", std::move(zoneNames)},
            {"stations", std::move(stations)},
            {"softButtons", std::move(softButtons)}};
}

std::optional<std::string> ConfigFromJson(const Json& json, CKVDoc& doc) {
    try {
        const CJsonReader in(json, "");
        in.Object({"version", "maxZones", "zoneNames", "stations", "softButtons"});
        // The version is informational: files are always written as the current version.
        if (in.Has("version")) in["version"].Int();
        if (in.Has("maxZones")) {
            const int maxZones = in["maxZones"].Int();
            in["maxZones"].Check(maxZones >= 1 && maxZones <= kMaxZones, "1 to 99");
            doc.m_nMaxZones = maxZones;
        }
        if (in.Has("zoneNames")) {
            const CJsonReader names = in["zoneNames"];
            const std::size_t count = names.Array(0, kMaxZones);
            for (std::size_t n = 0; n < count; ++n)
                doc.m_strZoneNames[n] = names[n].Text();
        }
        if (in.Has("stations")) {
            // The editor always keeps at least one station, and at most one per port and address.
            const CJsonReader stations = in["stations"];
            const std::size_t count = stations.Array(1, kMaxStations);
            doc.m_pStations.clear();
            for (std::size_t i = 0; i < count; ++i)
                doc.m_pStations.push_back(ReadStation(stations[i], doc.m_nMaxZones));
            RefuseSharedPortAddress(stations, doc);
        }
        if (in.Has("softButtons")) {
            const CJsonReader buttons = in["softButtons"];
            const std::size_t count = buttons.Array(0, CKVDoc::kSoftButtonCount);
            for (std::size_t k = 0; k < count; ++k)
                ReadButton(buttons[k], doc.m_SoftButtons[k], doc.m_nMaxZones);
        }
    } catch (const CJsonRefusal& refusal) {
        return refusal.line;
    }
    return std::nullopt;
}
