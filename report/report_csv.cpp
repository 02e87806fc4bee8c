// own
#include "report/report_forms.h"

// std
#include <string_view>

namespace {
// A spreadsheet takes a cell that starts with one of these as a formula to run. Names come from
// files that may come from anyone, so such a field is kept text by a leading apostrophe.
bool ReadsAsFormula(const std::string& text) {
    return !text.empty() &&
           std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

std::string Field(const std::string& field) {
    const std::string text = ReadsAsFormula(field) ? "'" + field : field;
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

void AddRows(std::string& out, const ZoneReport& report, const std::string& station,
             const std::string& portAddress, const ReportButtons& group) {
    for (const ReportButton& button : group.buttons) {
        std::string numbers;
        std::string names;
        for (const int zone : button.zones) {
            numbers += (numbers.empty() ? "" : " ") + std::to_string(zone);
            names += (names.empty() ? "" : "; ") + report.ZoneName(zone);
        }
        out += Field(station) + "," + Field(portAddress) + "," + button.label + "," +
               Field(button.name) + "," + numbers + "," + Field(names) + "\r\n";
    }
}
} // namespace

std::string ZoneReportCsv(const ZoneReport& report) {
    std::string out = "Station,Port-Address,Button,Button Name,Zones,Zone Names\r\n";
    for (const ReportStation& station : report.stations)
        AddRows(out, report, station.name, station.portAddress, station.buttons);
    AddRows(out, report, {}, {}, report.softButtons);
    return out;
}
