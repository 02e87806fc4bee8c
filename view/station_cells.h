#pragma once
// How the station grid's rows and columns map onto the configuration, without widgets. Row r
// (1-based) is hard button r - 1 of the station while r <= m_nType; for 10-button types (10 and
// 9) the 89 global soft buttons follow, SB-11 to SB-99. Column c is zone index c - 1 and exists
// while c <= m_nMaxZones. Every lookup checks the station, row and column against what exists,
// so a view that shows an older state of the document never reaches past a list. Every change
// goes through the document as an undoable edit (CDocument::Perform), which announces it.

// own
#include "model/config_change.h"
#include "model/kv_doc.h"

// std
#include <optional>
#include <string>
#include <vector>

// Whether a station of `type` shows the soft buttons after its own.
bool ShowsSoftButtons(int type);
// Grid rows for a station of `type`: its buttons, and the soft buttons where it shows them.
int GridRowCount(int type);
// "HB-01" for a hard button row, "SB-11" for the first soft button row.
std::string RowLabel(int type, int row);
// "01" for the column of zone 1.
std::string ColumnLabel(int col);

// The button of grid row `row` for station `station`; null when either does not exist.
CBtn* ButtonOfRow(CKVDoc& doc, int station, int row);
std::optional<CButtonRef> ButtonRefOfRow(const CKVDoc& doc, int station, int row);
// The row where a view showing station `station` has `button`; 0 when it has none.
int RowOfButton(const CKVDoc& doc, int station, CButtonRef button);
bool ZoneColumnExists(const CKVDoc& doc, int col);

// The switches of every existing cell of the block (rows outer, columns inner).
std::vector<CZoneSwitch> SwitchesOfBlock(const CKVDoc& doc, int station, int firstRow, int firstCol,
                                         int lastRow, int lastCol);
// Switches the cell's zone on or off as one step. The zone's new state, or nothing when the cell
// does not exist (nothing changes).
std::optional<bool> ToggleCell(CKVDoc& doc, int station, int row, int col);
// Renames the zone of column `col`; false when the column does not exist. Texts typed in one
// `session` (one edit of the box, non-zero) are one step.
bool SetZoneName(CKVDoc& doc, int col, const std::string& name, unsigned session = 0);
// Names the button of the row (its LCD text); false when there is no such button or the name is
// refused (more than 16 bytes), which keeps the old one.
bool SetButtonName(CKVDoc& doc, int station, int row, const std::string& name,
                   unsigned session = 0);

// Whether the cell's zone is on; nothing when the cell does not exist.
std::optional<bool> CellIsOn(CKVDoc& doc, int station, int row, int col);
// The zone of column `col` by number and name, "Zone 5: Lobby", or "Zone 5" while it has no name.
std::string ZoneCaption(const CKVDoc& doc, int col);
// What the status bar says of a cell, "HB-03 \xB7 Zone 5: Lobby \xB7 On" (the middle dot of
// Windows-1252); nothing when the cell does not exist.
std::optional<std::string> CellStatusText(CKVDoc& doc, int station, int row, int col);

// Which buttons page the zone of column `col`, for its header: "2 buttons on Front desk, Dock
// Door", "1 button on the soft buttons", "no button"; nothing when the column does not exist.
std::optional<std::string> ZonePagingText(const CKVDoc& doc, int col);
// What the status bar says of a column header: "Zone 5: Lobby \xB7 paged by 2 buttons on ...".
std::optional<std::string> ColumnStatusText(const CKVDoc& doc, int col);
// A station as the zone's lists name it: its name, or "[3-7]" while it has none.
std::string StationCaption(const CStation& station);

// The station's entry in the list: its name, or "port-address: name" with addresses shown.
std::string StationListEntry(const CStation& station, bool showAddresses);
