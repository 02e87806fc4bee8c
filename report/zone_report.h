#pragma once
// ZoneReport: the facility's zone report, described once for every form it is printed in (PDF,
// HTML, CSV, the editor's printer): a title block, the zones with their names, then each station
// with its buttons by the zones they page, and the soft buttons once. Texts are UTF-8.

// own
#include "framework/format_text.h"
#include "model/kv_doc.h"
#include "model/station_fields.h"

// std
#include <algorithm>
#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct ReportButton {
    std::string label; // "HB-03", "SB-11"
    std::string name;
    std::vector<int> zones; // 1-based, ascending
    // A soft button with its default name and no zones, which the printed forms sum up with its
    // neighbours. Never set for a hard button: each is a key on its panel and is listed.
    bool idle = false;

    bool Pages(int zone) const { return std::binary_search(zones.begin(), zones.end(), zone); }
};

struct ReportButtons {
    std::vector<ReportButton> buttons;
    // Every zone one of the buttons pages, ascending: the columns of the matrix.
    std::vector<int> zonesInUse;
};

struct ReportStation {
    std::string name;
    std::string type;        // "10 Button Break-Out"
    std::string portAddress; // "3-7"
    int group = 0;
    std::optional<std::string> lcdText; // a 10 Button Break-Out's own text
    ReportButtons buttons;
};

struct ZoneReport {
    static constexpr const char* kTitle = "Zone Report";

    std::string fileName;
    std::string date;
    int zoneCount = 0;
    std::size_t imageBytes = 0;
    // Names of zones 1 to zoneCount.
    std::vector<std::string> zoneNames;
    std::vector<ReportStation> stations;
    ReportButtons softButtons;

    // "Zone Report: site.kvx", the heading of every form.
    std::string Title() const { return std::string(kTitle) + ": " + fileName; }
    // "Zone 5" when the zone has no name, so that no heading is ever blank.
    std::string ZoneName(int zone) const;
};

// Zone columns per matrix table: wider matrices continue in another table under the first, so
// that every table fits the width of an A4 or Letter page.
inline constexpr std::size_t kZonesPerTable = 12;

// A line of a printed matrix: one button, or a run of idle buttons summed up in `summary`
// ("SB-12 to SB-99: default names, no zones").
struct MatrixLine {
    const ReportButton* button = nullptr;
    std::string summary;
};

// The lines of `group`'s matrix: runs of two or more idle buttons summed up, the rest one each.
std::vector<MatrixLine> MatrixLines(const ReportButtons& group);

// The zone columns of each table `group`'s matrix is printed in, kZonesPerTable at the most; one
// table without zone columns when no button pages a zone.
std::vector<std::span<const int>> MatrixTables(const ReportButtons& group);

// The report of `doc` as it is now, under the title `fileName` and dated `date`.
ZoneReport BuildZoneReport(const CKVDoc& doc, std::string fileName, std::string date);
