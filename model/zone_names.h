#pragma once
// The zone names as a table: one row per zone in use (number, name, how many buttons page it),
// written as CSV, read back from CSV, a text file or a spreadsheet's copied column, checked row by
// row against what the zone name box takes, and applied as one undoable step.

// own
#include "framework/document_edit.h"
#include "model/limits.h"

// std
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CKVDoc;

// A zone's new name: `zone` 0-based, `name` single-byte (Windows-1252).
struct ZoneNameChange {
    int zone = 0;
    std::string name;
};

struct ZoneNamesRead {
    std::vector<ZoneNameChange> names;
    // One line per refused row, "Row 4: ..."; nothing is to change while there is one.
    std::vector<std::string> refusals;
};

// Why the zone name box would not take the UTF-8 text as a name; nothing when it would.
std::optional<std::string> ZoneNameProblem(std::string_view utf8);

// Header "Zone,Name,Buttons", then zone 1 to the last zone in use.
std::string ZoneNamesCsv(const CKVDoc& doc);
// The same for UTF-8 names of zones 1, 2, ... and how many buttons page each.
std::string ZoneNamesCsv(const std::vector<std::string>& names, const std::vector<int>& counts);

// Names from CSV or a text file: a row of a number and a name names that zone; a row of a name
// alone names the zone after the previous row's (zone 1 for the first). A first row whose first
// field is "Zone" is the header. Every row is checked: the zone in use, named once, the name one
// the box takes.
ZoneNamesRead ReadZoneNames(const CKVDoc& doc, std::string_view text);

// The cells of a spreadsheet's copied column (or of its first column): one a line, up to the
// first tab; a last empty line is the copy's own end.
std::vector<std::string> PastedColumn(std::string_view text);

// The step that gives the zones their new names, those that differ; null when none does.
std::unique_ptr<CDocEdit> MakeZoneNamesEdit(CKVDoc& doc, const std::vector<ZoneNameChange>& names);
