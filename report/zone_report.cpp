// own
#include "report/zone_report.h"
#include "download/controller_image.h"
#include "framework/format_text.h"
#include "model/default_names.h"
#include "platform/cp1252.h"

// std
#include <algorithm>
#include <set>

namespace {
ReportButton ButtonOf(const CBtn& button, std::string label, int zoneCount) {
    ReportButton out{std::move(label), Cp1252ToUtf8(button.m_strName), {}};
    std::set<int> zones;
    for (const CZone& zone : button.m_pZones)
        if (zone.m_nZone >= 0 && zone.m_nZone < zoneCount) zones.insert(zone.m_nZone + 1);
    out.zones.assign(zones.begin(), zones.end());
    return out;
}

void CollectZonesInUse(ReportButtons& group) {
    std::set<int> zones;
    for (const ReportButton& button : group.buttons)
        zones.insert(button.zones.begin(), button.zones.end());
    group.zonesInUse.assign(zones.begin(), zones.end());
}
} // namespace

std::vector<MatrixLine> MatrixLines(const ReportButtons& group) {
    // Fewer than this many idle buttons in a row take no less room summed up.
    constexpr std::size_t kShortestRun = 2;
    std::vector<MatrixLine> lines;
    const auto& buttons = group.buttons;
    for (std::size_t first = 0; first < buttons.size();) {
        std::size_t end = first;
        while (end < buttons.size() && buttons[end].idle)
            ++end;
        if (end - first >= kShortestRun) {
            lines.push_back({nullptr, buttons[first].label + " to " + buttons[end - 1].label +
                                          ": default names, no zones"});
            first = end;
            continue;
        }
        lines.push_back({&buttons[first], {}});
        ++first;
    }
    return lines;
}

std::vector<std::span<const int>> MatrixTables(const ReportButtons& group) {
    const std::span<const int> zones(group.zonesInUse);
    std::vector<std::span<const int>> tables;
    std::size_t first = 0;
    do {
        const std::size_t count = std::min(kZonesPerTable, zones.size() - first);
        tables.push_back(zones.subspan(first, count));
        first += count;
    } while (first < zones.size());
    return tables;
}

std::string ZoneReport::ZoneName(int zone) const {
    const auto index = static_cast<std::size_t>(zone - 1);
    if (index < zoneNames.size() && !zoneNames[index].empty()) return zoneNames[index];
    return FormatText("Zone %d", zone);
}


ZoneReport BuildZoneReport(const CKVDoc& doc, std::string fileName, std::string date) {
    ZoneReport report;
    report.fileName = std::move(fileName);
    report.date = std::move(date);
    report.zoneCount = std::clamp(doc.m_nMaxZones, 0, kMaxZones);
    report.imageBytes = ControllerImage::SizeOf(doc);
    for (int z = 0; z < report.zoneCount; ++z)
        report.zoneNames.push_back(Cp1252ToUtf8(doc.m_strZoneNames[static_cast<std::size_t>(z)]));
    for (const auto& station : doc.m_pStations) {
        ReportStation& out = report.stations.emplace_back();
        out.name = Cp1252ToUtf8(station->m_strName);
        out.type = StationTypeLabel(station->m_nType);
        out.portAddress = FormatText("%d-%d", station->m_nPort, station->m_nAddress);
        out.group = station->m_nGroup;
        if (station->m_nType == CStation::kLcdTextType)
            out.lcdText = Cp1252ToUtf8(station->m_strLcdText);
        const int inUse = std::clamp(station->m_nType, 0, CStation::kButtonSlots);
        for (int n = 0; n < inUse; ++n)
            out.buttons.buttons.push_back(ButtonOf(station->m_Buttons[static_cast<std::size_t>(n)],
                                                   FormatText("HB-%2.2d", n + 1),
                                                   report.zoneCount));
        CollectZonesInUse(out.buttons);
    }
    for (int k = 0; k < kSoftButtonCount; ++k) {
        const CBtn& button = doc.m_SoftButtons[static_cast<std::size_t>(k)];
        ReportButton& out = report.softButtons.buttons.emplace_back(ButtonOf(
            button, FormatText("SB-%2.2d", k + CKVDoc::kFirstSoftButtonNumber), report.zoneCount));
        out.idle = button.m_pZones.empty() && button.m_strName == DefaultSoftButtonName(k);
    }
    CollectZonesInUse(report.softButtons);
    return report;
}
