// own
#include "model/formats/station_json.h"
#include "platform/cp1252.h"

// std
#include <string>

namespace {
std::string AtMost(std::size_t length) {
    return "at most " + std::to_string(length) + " characters";
}
} // namespace

std::string OneTo(int highest) {
    return "1 to " + std::to_string(highest);
}

nlohmann::ordered_json ButtonToJson(const CBtn& button) {
    auto zones = nlohmann::ordered_json::array();
    for (const CZone& zone : button.m_pZones)
        zones.push_back(zone.m_nZone + 1);
    return {{"name", Cp1252ToUtf8(button.m_strName)}, {"zones", std::move(zones)}};
}

nlohmann::ordered_json StationToJson(const CStation& station) {
    auto buttons = nlohmann::ordered_json::array();
    for (int n = 0; n < station.m_nType && n < CStation::kButtonSlots; ++n)
        buttons.push_back(ButtonToJson(station.m_Buttons[n]));
    return {{"name", Cp1252ToUtf8(station.m_strName)},
            {"type", station.m_nType},
            {"port", station.m_nPort},
            {"address", station.m_nAddress},
            {"group", station.m_nGroup},
            {"lcdText", Cp1252ToUtf8(station.m_strLcdText)},
            {"buttons", std::move(buttons)}};
}

void ReadButton(const CJsonReader& in, CBtn& button, int maxZones) {
    in.Object({"name", "zones"});
    if (in.Has("name")) in["name"].Check(button.SetName(in["name"].Text()), AtMost(kMaxButtonName));
    if (!in.Has("zones")) return;
    const CJsonReader zones = in["zones"];
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

std::unique_ptr<CStation> ReadStation(const CJsonReader& in, int maxZones) {
    in.Object({"name", "type", "port", "address", "group", "lcdText", "buttons"});
    auto station = std::make_unique<CStation>();
    // The type first: it decides how many buttons the station has.
    if (in.Has("type"))
        in["type"].Check(station->SetType(in["type"].Int()), "3, 4, 9, 10, 47 or 48");
    if (in.Has("name"))
        in["name"].Check(station->SetName(in["name"].Text()), AtMost(kMaxStationName));
    if (in.Has("port")) in["port"].Check(station->SetPort(in["port"].Int()), OneTo(kMaxPort));
    if (in.Has("address"))
        in["address"].Check(station->SetAddress(in["address"].Int()), OneTo(kMaxAddress));
    if (in.Has("group"))
        in["group"].Check(station->SetGroup(in["group"].Int()),
                          "0 to " + std::to_string(kMaxGroup));
    if (in.Has("lcdText"))
        in["lcdText"].Check(station->SetLcdText(in["lcdText"].Text()), AtMost(kMaxLcdText));
    if (in.Has("buttons")) {
        const CJsonReader buttons = in["buttons"];
        const std::size_t count = buttons.Array(0, static_cast<std::size_t>(station->m_nType));
        for (std::size_t n = 0; n < count; ++n)
            ReadButton(buttons[n], station->m_Buttons[n], maxZones);
    }
    return station;
}
