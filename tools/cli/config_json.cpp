// own
#include "tools/cli/config_json.h"
#include "framework/format_text.h"
#include "model/formats/station_json.h"
#include "model/station_gate.h"
#include "platform/cp1252.h"

// std
#include <algorithm>

using Json = nlohmann::ordered_json;

namespace {
// Adds `station` through the station gate, as the editor's Add, Insert and Paste do; the
// controller could not tell two stations on one port and address apart.
void AddStation(const CJsonReader& in, CKVDoc& doc, std::unique_ptr<CStation> station) {
    const StationGate gate = CheckStationAdd(doc, station->m_nPort, station->m_nAddress);
    if (gate == StationGate::Full) in.Refuse(Cp1252ToUtf8(FullRefusal().text));
    if (gate == StationGate::PairTaken) {
        const auto first =
            std::find_if(doc.m_pStations.begin(), doc.m_pStations.end(), [&](const auto& other) {
                return other->m_nPort == station->m_nPort &&
                       other->m_nAddress == station->m_nAddress;
            });
        in.Refuse("[" + std::to_string(station->m_nPort) + "-" +
                  std::to_string(station->m_nAddress) + "] of \"" +
                  Cp1252ToUtf8(station->m_strName) + "\" already used by \"" +
                  Cp1252ToUtf8((*first)->m_strName) + "\" (stations[" +
                  std::to_string(first - doc.m_pStations.begin()) + "])");
    }
    doc.m_pStations.push_back(std::move(station));
}

Json ButtonToJson(const ContentsButton& button) {
    Json json = Json::object();
    if (button.name) json["name"] = Cp1252ToUtf8(*button.name);
    Json& zones = json["zones"] = Json::array();
    for (int zone : button.zones)
        zones.push_back(zone + 1);
    return json;
}

Json ButtonsToJson(const std::vector<ContentsButton>& buttons) {
    Json json = Json::array();
    for (const ContentsButton& button : buttons)
        json.push_back(ButtonToJson(button));
    return json;
}

Json StationToJson(const ContentsStation& station) {
    Json json = Json::object();
    if (station.name) json["name"] = Cp1252ToUtf8(*station.name);
    json["type"] = station.type;
    json["port"] = station.port;
    json["address"] = station.address;
    json["group"] = station.group;
    if (station.lcdText) json["lcdText"] = Cp1252ToUtf8(*station.lcdText);
    json["buttons"] = ButtonsToJson(station.buttons);
    return json;
}
} // namespace

Json ContentsToJson(const ConfigContents& contents) {
    Json json = Json::object();
    if (contents.version) json["version"] = *contents.version;
    json["maxZones"] = contents.maxZones;
    if (contents.zoneNames) {
        Json& names = json["zoneNames"] = Json::array();
        for (const std::string& name : *contents.zoneNames)
            names.push_back(Cp1252ToUtf8(name));
    }
    Json& stations = json["stations"] = Json::array();
    for (const ContentsStation& station : contents.stations)
        stations.push_back(StationToJson(station));
    json["softButtons"] = ButtonsToJson(contents.softButtons);
    return json;
}

Json ConfigToJson(const CKVDoc& doc) {
    return ContentsToJson(ContentsOf(doc));
}

std::optional<std::string> ConfigFromJson(const Json& json, CKVDoc& doc) {
    try {
        const CJsonReader in(json, "");
        in.Object({"version", "maxZones", "zoneNames", "stations", "softButtons"});
        // Files are always written as the current version, but only a version of the file
        // format is a configuration's.
        if (in.Has("version")) {
            const int version = in["version"].Int();
            in["version"].Check(version == CKVDoc::kNewVersion || version == CKVDoc::kFileVersion,
                                "257 or 258");
        }
        if (in.Has("maxZones")) {
            const int maxZones = in["maxZones"].Int();
            in["maxZones"].Check(maxZones >= 1 && maxZones <= kMaxZones, OneTo(kMaxZones));
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
                AddStation(stations[i], doc, ReadStation(stations[i], doc.m_nMaxZones));
        }
        if (in.Has("softButtons")) {
            const CJsonReader buttons = in["softButtons"];
            const std::size_t count = buttons.Array(0, kSoftButtonCount);
            for (std::size_t k = 0; k < count; ++k)
                ReadButton(buttons[k], doc.m_SoftButtons[k], doc.m_nMaxZones);
        }
        // No stations are refused alike whether the list is empty or missing.
        static const Json kNoStations = Json::array();
        if (!in.Has("stations")) CJsonReader(kNoStations, "stations").Array(1, kMaxStations);
    } catch (const CJsonRefusal& refusal) {
        return refusal.line;
    }
    return std::nullopt;
}

std::string JsonText(const nlohmann::ordered_json& json) {
    const std::string dumped = json.dump(2);
    std::string text;
    text.reserve(dumped.size() + 1);
    // Outside strings JSON has no such bytes, and 0xC2 only ever starts a character.
    for (std::size_t i = 0; i < dumped.size(); ++i) {
        const auto byte = static_cast<unsigned char>(dumped[i]);
        const auto next = i + 1 < dumped.size() ? static_cast<unsigned char>(dumped[i + 1]) : 0;
        if (byte == 0x7F) {
            text += "\\u007f";
        } else if (byte == 0xC2 && next >= 0x80 && next <= 0x9F) {
            text += FormatText("\\u%04x", next);
            ++i;
        } else {
            text += dumped[i];
        }
    }
    return text + '\n';
}
