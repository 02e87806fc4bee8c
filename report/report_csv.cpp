// own
#include "report/report_forms.h"
#include "model/formats/csv.h"

namespace {
void AddRows(std::string& out, const ZoneReport& report, const std::string& station,
             const std::string& portAddress, const ReportButtons& group) {
    for (const ReportButton& button : group.buttons) {
        std::string numbers;
        std::string names;
        for (const int zone : button.zones) {
            numbers += (numbers.empty() ? "" : " ") + std::to_string(zone);
            names += (names.empty() ? "" : "; ") + report.ZoneName(zone);
        }
        out += CsvField(station) + "," + CsvField(portAddress) + "," + button.label + "," +
               CsvField(button.name) + "," + numbers + "," + CsvField(names) + "\r\n";
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
