// own
#include "view/station_cells.h"
#include "framework/format_text.h"
#include "model/config_edits.h"
#include "model/zone_usage.h"

// std
#include <algorithm>
#include <memory>

std::string ColumnLabel(int col) {
    return FormatText("%2.2d", col);
}

bool ShowsSoftButtons(int type) {
    return type == 10 || type == 9;
}

int GridRowCount(int type) {
    return ShowsSoftButtons(type) ? type + kSoftButtonCount : type;
}

std::string RowLabel(int type, int row) {
    if (row <= type) return FormatText("HB-%2.2d", row);
    return FormatText("SB-%2.2d", row - type - 1 + CKVDoc::kFirstSoftButtonNumber);
}

CBtn* ButtonOfRow(CKVDoc& doc, int station, int row) {
    const auto button = ButtonRefOfRow(doc, station, row);
    return button ? FindButton(doc, *button) : nullptr;
}

std::optional<CButtonRef> ButtonRefOfRow(const CKVDoc& doc, int station, int row) {
    if (station < 0 || station >= static_cast<int>(doc.m_pStations.size()) || row < 1)
        return std::nullopt;
    const int type = doc.m_pStations[station]->m_nType;
    if (row > GridRowCount(type)) return std::nullopt;
    if (row <= type) return CButtonRef{station, row - 1};
    return CButtonRef{-1, row - type - 1};
}

int RowOfButton(const CKVDoc& doc, int station, CButtonRef button) {
    if (station < 0 || station >= static_cast<int>(doc.m_pStations.size())) return 0;
    const int type = doc.m_pStations[station]->m_nType;
    if (button.IsSoft()) return ShowsSoftButtons(type) ? type + 1 + button.button : 0;
    return button.station == station && button.button < type ? button.button + 1 : 0;
}

bool ZoneColumnExists(const CKVDoc& doc, int col) {
    return col >= 1 && col <= doc.m_nMaxZones && col <= kMaxZones;
}

std::vector<CZoneSwitch> SwitchesOfBlock(const CKVDoc& doc, int station, int firstRow, int firstCol,
                                         int lastRow, int lastCol) {
    std::vector<CZoneSwitch> switches;
    for (int row = std::max(firstRow, 1); row <= lastRow; ++row) {
        const auto button = ButtonRefOfRow(doc, station, row);
        if (!button) continue;
        for (int col = std::max(firstCol, 1); col <= lastCol; ++col)
            if (ZoneColumnExists(doc, col)) switches.push_back({*button, col - 1});
    }
    return switches;
}

std::optional<bool> ToggleCell(CKVDoc& doc, int station, int row, int col) {
    const auto switches = SwitchesOfBlock(doc, station, row, col, row, col);
    if (switches.empty()) return std::nullopt;
    doc.Perform(std::make_unique<CSwitchZonesEdit>(doc, switches));
    const auto& zones = FindButton(doc, switches.front().button)->m_pZones;
    return std::any_of(zones.begin(), zones.end(),
                       [&](const CZone& zone) { return zone.m_nZone == col - 1; });
}

bool SetZoneName(CKVDoc& doc, int col, const std::string& name, unsigned session) {
    if (!ZoneColumnExists(doc, col)) return false;
    if (doc.m_strZoneNames[col - 1] != name)
        doc.Perform(std::make_unique<CZoneNameEdit>(doc, col - 1, name, session));
    return true;
}

bool SetButtonName(CKVDoc& doc, int station, int row, const std::string& name, unsigned session) {
    const auto button = ButtonRefOfRow(doc, station, row);
    if (!button) return false;
    if (FindButton(doc, *button)->GetName() == name) return true;
    if (name.size() > kMaxButtonName) return false;
    doc.Perform(std::make_unique<CButtonNameEdit>(doc, *button, name, session));
    return true;
}

std::optional<bool> CellIsOn(CKVDoc& doc, int station, int row, int col) {
    const CBtn* button = ButtonOfRow(doc, station, row);
    if (button == nullptr || !ZoneColumnExists(doc, col)) return std::nullopt;
    return std::any_of(button->m_pZones.begin(), button->m_pZones.end(),
                       [col](const CZone& zone) { return zone.m_nZone == col - 1; });
}

std::string ZoneCaption(const CKVDoc& doc, int col) {
    std::string caption = "Zone " + std::to_string(col);
    if (ZoneColumnExists(doc, col) && !doc.m_strZoneNames[col - 1].empty())
        caption += ": " + doc.m_strZoneNames[col - 1];
    return caption;
}

std::optional<std::string> CellStatusText(CKVDoc& doc, int station, int row, int col) {
    const std::optional<bool> on = CellIsOn(doc, station, row, col);
    if (!on) return std::nullopt;
    constexpr const char* kSeparator = " \xB7 ";
    const int type = doc.m_pStations[station]->m_nType;
    return RowLabel(type, row) + kSeparator + ZoneCaption(doc, col) + kSeparator +
           (*on ? "On" : "Off");
}

std::string StationListEntry(const CStation& station, bool showAddresses) {
    if (!showAddresses) return station.GetName();
    return std::to_string(station.m_nPort) + "-" + std::to_string(station.m_nAddress) + ": " +
           station.GetName();
}

std::string StationCaption(const CStation& station) {
    if (!station.GetName().empty()) return station.GetName();
    return FormatText("[%d-%d]", station.m_nPort, station.m_nAddress);
}

std::optional<std::string> ZonePagingText(const CKVDoc& doc, int col) {
    if (!ZoneColumnExists(doc, col)) return std::nullopt;
    const std::vector<CButtonRef> buttons = ButtonsPagingZone(doc, col - 1);
    if (buttons.empty()) return "no button";
    std::string where;
    int last = -2;
    for (const CButtonRef& button : buttons) {
        if (button.station == last) continue;
        last = button.station;
        where += where.empty() ? "" : ", ";
        where +=
            button.IsSoft() ? "the soft buttons" : StationCaption(*doc.m_pStations[button.station]);
    }
    return FormatText("%d button%s on ", static_cast<int>(buttons.size()),
                      buttons.size() == 1 ? "" : "s") +
           where;
}

std::optional<std::string> ColumnStatusText(const CKVDoc& doc, int col) {
    const auto paging = ZonePagingText(doc, col);
    if (!paging) return std::nullopt;
    return ZoneCaption(doc, col) + " \xB7 paged by " + *paging;
}
