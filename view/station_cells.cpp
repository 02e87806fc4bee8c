// own
#include "view/station_cells.h"
#include "platform/format_text.h"

// std
#include <algorithm>

std::string ColumnLabel(int col) {
    return FormatText("%2.2d", col);
}

bool ShowsSoftButtons(int type) {
    return type == 10 || type == 9;
}

int GridRowCount(int type) {
    return ShowsSoftButtons(type) ? type + CKVDoc::kSoftButtonCount : type;
}

std::string RowLabel(int type, int row) {
    if (row <= type) return FormatText("HB-%2.2d", row);
    return FormatText("SB-%2.2d", row - type - 1 + CKVDoc::kFirstSoftButtonNumber);
}

CBtn* ButtonOfRow(CKVDoc& doc, int station, int row) {
    if (station < 0 || station >= static_cast<int>(doc.m_pStations.size()) || row < 1)
        return nullptr;
    CStation& s = *doc.m_pStations[station];
    if (row > GridRowCount(s.m_nType)) return nullptr;
    if (row - 1 < s.m_nType) return &s.m_Buttons[row - 1];
    return &doc.m_SoftButtons[row - s.m_nType - 1];
}

bool ZoneColumnExists(const CKVDoc& doc, int col) {
    return col >= 1 && col <= doc.m_nMaxZones && col <= CKVDoc::kZoneCount;
}

std::optional<bool> ToggleCell(CKVDoc& doc, int station, int row, int col) {
    CBtn* button = ButtonOfRow(doc, station, row);
    if (button == nullptr || !ZoneColumnExists(doc, col)) return std::nullopt;
    const bool on = button->ToggleZone(col - 1);
    doc.SetModifiedFlag();
    return on;
}

bool SetZoneName(CKVDoc& doc, int col, const std::string& name) {
    if (!ZoneColumnExists(doc, col)) return false;
    std::string& zoneName = doc.m_strZoneNames[col - 1];
    if (zoneName != name) {
        zoneName = name;
        doc.SetModifiedFlag();
    }
    return true;
}

bool SetButtonName(CKVDoc& doc, int station, int row, const std::string& name) {
    CBtn* button = ButtonOfRow(doc, station, row);
    if (button == nullptr) return false;
    if (button->GetName() == name) return true;
    if (!button->SetName(name)) return false;
    doc.SetModifiedFlag();
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
