// own
#include "tools/cli/config_json.h"
#include "platform/cp1252.h"

// std
#include <climits>
#include <initializer_list>

using Json = nlohmann::ordered_json;

namespace {
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

struct CRefusal {
    std::string line;
};

// Reads one JSON value at a time, knowing where it is, and turns the first problem into the
// refusal line.
class CReader {
public:
    CReader(const Json& value, std::string path) : m_value(value), m_path(std::move(path)) {}

    [[noreturn]] void Refuse(const std::string& why) const {
        throw CRefusal{(m_path.empty() ? std::string("top level") : m_path) + ": " + why};
    }
    // A refused setter.
    void Check(bool accepted, const char* accepts) const {
        if (!accepted) Refuse(m_value.dump() + " refused (" + accepts + ")");
    }

    bool Has(const char* key) const { return m_value.contains(key); }
    CReader operator[](const char* key) const {
        return {m_value.at(key), m_path.empty() ? key : m_path + "." + key};
    }
    CReader operator[](std::size_t i) const {
        return {m_value.at(i), m_path + "[" + std::to_string(i) + "]"};
    }

    // An object with no keys but these.
    void Object(std::initializer_list<const char*> keys) const {
        if (!m_value.is_object()) Refuse("expected an object, found " + Type());
        for (const auto& item : m_value.items()) {
            bool known = false;
            for (const char* key : keys)
                known = known || item.key() == key;
            if (!known) Refuse("unknown field \"" + item.key() + "\"");
        }
    }
    // An array of `min` to `max` elements; returns its size.
    std::size_t Array(std::size_t min, std::size_t max) const {
        if (!m_value.is_array()) Refuse("expected an array, found " + Type());
        if (m_value.size() < min || m_value.size() > max) {
            const std::string accepts = max == SIZE_MAX
                                            ? "at least " + std::to_string(min)
                                            : std::to_string(min) + " to " + std::to_string(max);
            Refuse(std::to_string(m_value.size()) + " elements refused (" + accepts + ")");
        }
        return m_value.size();
    }
    int Int() const {
        if (m_value.is_number_unsigned() && m_value.get<uint64_t>() <= INT_MAX)
            return static_cast<int>(m_value.get<uint64_t>());
        if (m_value.is_number_integer() && !m_value.is_number_unsigned() &&
            m_value.get<int64_t>() >= INT_MIN && m_value.get<int64_t>() <= INT_MAX)
            return static_cast<int>(m_value.get<int64_t>());
        if (m_value.is_number_integer()) Refuse(m_value.dump() + " refused (out of range)");
        Refuse("expected an integer, found " + Type());
    }
    // The text in Windows-1252.
    std::string Text() const {
        if (!m_value.is_string()) Refuse("expected a text, found " + Type());
        auto text = Utf8ToCp1252(m_value.get_ref<const std::string&>());
        if (!text) Refuse(m_value.dump() + " refused (a character without a Windows-1252 form)");
        return *text;
    }

private:
    std::string Type() const { return m_value.type_name(); }

    const Json& m_value;
    std::string m_path;
};

void ReadButton(const CReader& in, CBtn& button, int maxZones) {
    in.Object({"name", "zones"});
    if (in.Has("name"))
        in["name"].Check(button.SetName(in["name"].Text()), "at most 16 characters");
    if (!in.Has("zones")) return;
    const CReader zones = in["zones"];
    const std::size_t count = zones.Array(0, kMaxZones);
    for (std::size_t i = 0; i < count; ++i) {
        const int zone = zones[i].Int();
        if (zone < 1 || zone > maxZones)
            zones[i].Refuse("zone " + std::to_string(zone) + " refused (1 to maxZones " +
                            std::to_string(maxZones) + ")");
        if (!button.ToggleZone(zone - 1))
            zones[i].Refuse("zone " + std::to_string(zone) + " listed twice");
    }
}

std::unique_ptr<CStation> ReadStation(const CReader& in, int maxZones) {
    in.Object({"name", "type", "port", "address", "group", "lcdText", "buttons"});
    auto station = std::make_unique<CStation>();
    // The type first: it decides how many buttons the station has.
    if (in.Has("type"))
        in["type"].Check(station->SetType(in["type"].Int()), "3, 4, 9, 10, 47 or 48");
    if (in.Has("name"))
        in["name"].Check(station->SetName(in["name"].Text()), "at most 25 characters");
    if (in.Has("port")) in["port"].Check(station->SetPort(in["port"].Int()), "1 to 16");
    if (in.Has("address")) in["address"].Check(station->SetAddress(in["address"].Int()), "1 to 15");
    if (in.Has("group")) in["group"].Check(station->SetGroup(in["group"].Int()), "0 to 16");
    if (in.Has("lcdText"))
        in["lcdText"].Check(station->SetLcdText(in["lcdText"].Text()), "at most 16 characters");
    if (in.Has("buttons")) {
        const CReader buttons = in["buttons"];
        const std::size_t count = buttons.Array(0, static_cast<std::size_t>(station->m_nType));
        for (std::size_t n = 0; n < count; ++n)
            ReadButton(buttons[n], station->m_Buttons[n], maxZones);
    }
    return station;
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
        const CReader in(json, "");
        in.Object({"version", "maxZones", "zoneNames", "stations", "softButtons"});
        // The version is informational: files are always written as the current version.
        if (in.Has("version")) in["version"].Int();
        if (in.Has("maxZones")) {
            const int maxZones = in["maxZones"].Int();
            in["maxZones"].Check(maxZones >= 1 && maxZones <= kMaxZones, "1 to 99");
            doc.m_nMaxZones = maxZones;
        }
        if (in.Has("zoneNames")) {
            const CReader names = in["zoneNames"];
            const std::size_t count = names.Array(0, kMaxZones);
            for (std::size_t n = 0; n < count; ++n)
                doc.m_strZoneNames[n] = names[n].Text();
        }
        if (in.Has("stations")) {
            // The editor always keeps at least one station.
            const CReader stations = in["stations"];
            const std::size_t count = stations.Array(1, SIZE_MAX);
            doc.m_pStations.clear();
            for (std::size_t i = 0; i < count; ++i)
                doc.m_pStations.push_back(ReadStation(stations[i], doc.m_nMaxZones));
        }
        if (in.Has("softButtons")) {
            const CReader buttons = in["softButtons"];
            const std::size_t count = buttons.Array(0, CKVDoc::kSoftButtonCount);
            for (std::size_t k = 0; k < count; ++k)
                ReadButton(buttons[k], doc.m_SoftButtons[k], doc.m_nMaxZones);
        }
    } catch (const CRefusal& refusal) {
        return refusal.line;
    }
    return std::nullopt;
}
