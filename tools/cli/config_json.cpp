// own
#include "tools/cli/config_json.h"
#include "model/station_json.h"
#include "platform/cp1252.h"

using Json = nlohmann::ordered_json;

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
            // The editor always keeps at least one station.
            const CJsonReader stations = in["stations"];
            const std::size_t count = stations.Array(1, SIZE_MAX);
            doc.m_pStations.clear();
            for (std::size_t i = 0; i < count; ++i)
                doc.m_pStations.push_back(ReadStation(stations[i], doc.m_nMaxZones));
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
