// own
#include "report/checklist.h"
#include "model/limits.h"
#include "framework/format_text.h"
#include "model/config_change.h"
#include "model/formats/csv.h"
#include "model/station_fields.h"
#include "model/zone_usage.h"
#include "platform/cp1252.h"
#include "report/report_forms.h"

// std
#include <algorithm>
#include <numeric>
#include <tuple>

namespace {
// "5 Lobby", or "5" for a zone without a name.
std::string ZoneText(const CKVDoc& doc, int zone) {
    const std::string name = Cp1252ToUtf8(doc.m_strZoneNames[zone]);
    return std::to_string(zone + 1) + (name.empty() ? "" : " " + name);
}

// Where the walk meets a button: its station's port and address, then the button; soft buttons
// after every station.
std::tuple<int, int, int> WalkOrder(const CKVDoc& doc, CButtonRef ref) {
    if (ref.IsSoft()) return {kMaxPort + 1, 0, ref.button};
    const CStation& station = *doc.m_pStations[ref.station];
    return {station.m_nPort, station.m_nAddress, ref.button};
}

ChecklistButton ButtonOf(const CKVDoc& doc, CButtonRef ref) {
    const CBtn& button = *FindButton(doc, ref);
    ChecklistButton out{ButtonLabel(ref), Cp1252ToUtf8(button.GetName()), {}};
    std::vector<int> zones;
    for (const CZone& zone : button.m_pZones)
        if (zone.m_nZone >= 0 && zone.m_nZone < doc.m_nMaxZones) zones.push_back(zone.m_nZone);
    std::sort(zones.begin(), zones.end());
    zones.erase(std::unique(zones.begin(), zones.end()), zones.end());
    for (const int zone : zones)
        out.zones.push_back(ZoneText(doc, zone));
    return out;
}

std::string Joined(const std::vector<std::string>& parts, const char* separator) {
    std::string out;
    for (const std::string& part : parts)
        out += (out.empty() ? "" : separator) + part;
    return out;
}

constexpr const char* kChecklistStyle = R"(
body { font-family: sans-serif; font-size: 9pt; }
h1 { font-size: 16pt; }
h2 { font-size: 12pt; margin-top: 14pt; margin-bottom: 4pt; }
table { border-collapse: collapse; margin-bottom: 6pt; width: 100%; }
th, td { border: 1px solid #808080; padding: 2px 4px; text-align: left; vertical-align: top; }
th { background-color: #e8e8e8; }
td.tick { width: 4em; text-align: center; }
)";
constexpr const char* kTickBox = "&#9744;";

void ButtonTable(std::string& out, const std::vector<ChecklistButton>& buttons) {
    out += kHtmlTable;
    out += "<thead><tr><th>Button</th><th>Name</th><th>Must page</th><th>Checked</th></tr>"
           "</thead>\n<tbody>\n";
    for (const ChecklistButton& button : buttons)
        out += "<tr><td>" + HtmlEscaped(button.label) + "</td><td>" + HtmlEscaped(button.name) +
               "</td><td>" + HtmlEscaped(Joined(button.zones, "; ")) + "</td><td class=\"tick\">" +
               kTickBox + "</td></tr>\n";
    out += "</tbody></table>\n";
}
} // namespace

Checklist BuildChecklist(const CKVDoc& doc, std::string fileName, std::string date) {
    Checklist list;
    list.fileName = std::move(fileName);
    list.date = std::move(date);
    std::vector<int> order(doc.m_pStations.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        return WalkOrder(doc, {a, 0}) < WalkOrder(doc, {b, 0});
    });
    for (const int s : order) {
        const CStation& station = *doc.m_pStations[s];
        ChecklistStation& out = list.stations.emplace_back();
        out.name = Cp1252ToUtf8(station.GetName());
        out.type = StationTypeLabel(station.m_nType);
        out.portAddress = FormatText("%d-%d", station.m_nPort, station.m_nAddress);
        for (int b = 0; b < std::clamp(station.m_nType, 0, CStation::kButtonSlots); ++b)
            out.buttons.push_back(ButtonOf(doc, {s, b}));
    }
    for (int k = 0; k < kSoftButtonCount; ++k) {
        ChecklistButton button = ButtonOf(doc, {-1, k});
        if (!button.zones.empty()) list.softButtons.push_back(std::move(button));
    }
    for (int z = 0; z < doc.m_nMaxZones; ++z) {
        ChecklistZone& zone = list.zones.emplace_back();
        zone.zone = ZoneText(doc, z);
        std::vector<CButtonRef> buttons = ButtonsPagingZone(doc, z);
        // In the order of the walk: port and address, the soft buttons last.
        std::stable_sort(buttons.begin(), buttons.end(), [&](CButtonRef a, CButtonRef b) {
            return WalkOrder(doc, a) < WalkOrder(doc, b);
        });
        for (const CButtonRef& ref : buttons) {
            const std::string label = ButtonLabel(ref);
            if (ref.IsSoft()) {
                zone.buttons.push_back(label);
                continue;
            }
            const CStation& station = *doc.m_pStations[ref.station];
            zone.buttons.push_back(FormatText("%d-%d ", station.m_nPort, station.m_nAddress) +
                                   Cp1252ToUtf8(station.GetName()) + " " + label);
        }
    }
    return list;
}

std::string ChecklistHtml(const Checklist& list) {
    const std::string title = HtmlEscaped(list.Title());
    std::string out = "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + title +
                      "</title>\n<style>" + kChecklistStyle + "</style></head>\n<body>\n<h1>" + title +
                      "</h1>\n<p>" + HtmlEscaped(list.date) + "</p>\n";
    for (const ChecklistStation& station : list.stations) {
        out += "<h2>" + HtmlEscaped(station.portAddress + " " + station.name) + "</h2>\n<p>" +
               HtmlEscaped(station.type) + "</p>\n";
        ButtonTable(out, station.buttons);
    }
    if (!list.softButtons.empty()) {
        out += "<h2>Soft Buttons</h2>\n";
        ButtonTable(out, list.softButtons);
    }
    out += "<h2>Zones</h2>\n";
    out += kHtmlTable;
    out += "<thead><tr><th>Zone</th><th>Paged by</th></tr></thead>\n<tbody>\n";
    for (const ChecklistZone& zone : list.zones)
        out += "<tr><td>" + HtmlEscaped(zone.zone) + "</td><td>" +
               HtmlEscaped(Joined(zone.buttons, "; ")) + "</td></tr>\n";
    out += "</tbody></table>\n</body></html>\n";
    return out;
}

std::string ChecklistCsv(const Checklist& list) {
    std::string out =
        CsvLine({"Station", "Port-Address", "Button", "Button Name", "Zones", "Checked"});
    for (const ChecklistStation& station : list.stations)
        for (const ChecklistButton& button : station.buttons)
            out += CsvLine({station.name, station.portAddress, button.label, button.name,
                            Joined(button.zones, "; "), ""});
    for (const ChecklistButton& button : list.softButtons)
        out += CsvLine({"", "", button.label, button.name, Joined(button.zones, "; "), ""});
    return out;
}
