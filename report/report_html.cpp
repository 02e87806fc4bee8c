// own
#include "report/report_forms.h"

namespace {

constexpr const char* kStyle = R"(
body { font-family: sans-serif; font-size: 9pt; }
h1 { font-size: 16pt; }
h2 { font-size: 12pt; margin-top: 14pt; margin-bottom: 4pt; }
table { border-collapse: collapse; margin-bottom: 6pt; }
th, td { border: 1px solid #808080; padding: 2px 4px; text-align: left; vertical-align: top; }
th { background-color: #e8e8e8; }
th.zone, td.on { text-align: center; }
th.zone small { font-weight: normal; }
)";

std::string Escaped(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// The attributes give the printed form (which reads no style sheet for borders) its grid lines.
constexpr const char* kTable = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\">";
// A matrix takes the page's width, so that its label and name columns are not squeezed.
constexpr const char* kMatrixTable =
    "<table border=\"1\" cellspacing=\"0\" cellpadding=\"2\" width=\"100%\">";

class CHtmlWriter {
public:
    explicit CHtmlWriter(const ZoneReport& report) : m_report(report) {}

    std::string Write() {
        const std::string title = m_report.Title();
        m_out += "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>" + Escaped(title) +
                 "</title>\n<style>" + kStyle + "</style></head>\n<body>\n";
        m_out += "<h1>" + Escaped(title) + "</h1>\n";
        TitleBlock();
        ZoneList();
        for (const ReportStation& station : m_report.stations)
            Station(station);
        m_out += "<h2>Soft Buttons</h2>\n";
        Matrix(m_report.softButtons);
        m_out += "</body></html>\n";
        return std::move(m_out);
    }

private:
    void Row(const std::string& head, const std::string& value) {
        m_out += "<tr><th>" + Escaped(head) + "</th><td>" + Escaped(value) + "</td></tr>\n";
    }

    void TitleBlock() {
        m_out += kTable;
        Row("File", m_report.fileName);
        Row("Date", m_report.date);
        Row("Number of zones", std::to_string(m_report.zoneCount));
        Row("Stations", std::to_string(m_report.stations.size()));
        Row("Controller memory",
            GroupedNumber(m_report.imageBytes) + " of " + GroupedNumber(kMaxImageBytes) + " bytes");
        m_out += "</table>\n";
    }

    // Three zones to a row keeps 99 names on about one page.
    void ZoneList() {
        constexpr int kPerRow = 3;
        m_out += "<h2>Zones</h2>\n";
        m_out += kTable;
        m_out += "<thead><tr>";
        for (int c = 0; c < kPerRow; ++c)
            m_out += "<th>Zone</th><th>Name</th>";
        m_out += "</tr></thead>\n<tbody>\n";
        for (int first = 1; first <= m_report.zoneCount; first += kPerRow) {
            m_out += "<tr>";
            for (int zone = first; zone < first + kPerRow; ++zone) {
                if (zone > m_report.zoneCount) {
                    m_out += "<td></td><td></td>";
                    continue;
                }
                m_out += "<td>" + std::to_string(zone) + "</td><td>" +
                         Escaped(m_report.zoneNames[static_cast<std::size_t>(zone - 1)]) + "</td>";
            }
            m_out += "</tr>\n";
        }
        m_out += "</tbody></table>\n";
    }

    void Station(const ReportStation& station) {
        m_out += "<h2>" + Escaped(station.name.empty() ? "(no name)" : station.name) + "</h2>\n";
        m_out += kTable;
        m_out += "<tr><th>Type</th><td>" + Escaped(station.type) +
                 "</td><th>Port-Address</th><td>" + station.portAddress +
                 "</td><th>Group</th><td>" + std::to_string(station.group) + "</td></tr>\n";
        if (station.lcdText)
            m_out += "<tr><th>LCD text</th><td colspan=\"5\">" + Escaped(*station.lcdText) +
                     "</td></tr>\n";
        m_out += "</table>\n";
        Matrix(station.buttons);
    }

    // Buttons by zones; the header rows repeat on every page the table continues on.
    void Matrix(const ReportButtons& group) {
        for (const std::span<const int> zones : MatrixTables(group)) {
            m_out += kMatrixTable;
            m_out += "<thead><tr><th width=\"10%\">Button</th><th width=\"24%\">Name</th>";
            for (const int zone : zones)
                m_out += "<th class=\"zone\">" + std::to_string(zone) + "<br><small>" +
                         Escaped(m_report.ZoneName(zone)) + "</small></th>";
            m_out += "</tr></thead>\n<tbody>\n";
            for (const MatrixLine& line : MatrixLines(group)) {
                if (line.button == nullptr) {
                    m_out += "<tr><td colspan=\"" + std::to_string(2 + zones.size()) + "\">" +
                             Escaped(line.summary) + "</td></tr>\n";
                    continue;
                }
                const ReportButton& button = *line.button;
                m_out += "<tr><td>" + button.label + "</td><td>" + Escaped(button.name) + "</td>";
                for (const int zone : zones)
                    m_out += button.Pages(zone) ? "<td class=\"on\">On</td>" : "<td></td>";
                m_out += "</tr>\n";
            }
            m_out += "</tbody></table>\n";
        }
    }

    const ZoneReport& m_report;
    std::string m_out;
};

} // namespace

std::string ZoneReportHtml(const ZoneReport& report) {
    return CHtmlWriter(report).Write();
}

std::string HtmlEscaped(const std::string& text) {
    return Escaped(text);
}
