#pragma once
// CStationTable: every station of a document as a table (name, type, port, address, group, LCD
// text) to edit in place, to fill from CSV (a file or a spreadsheet's copied rows) and to write as
// CSV, checked as the Station Properties dialog checks, then applied as one undoable step.
// Rows from CSV update the station with their port and address, or add one through the same
// checks as Add Station. The table works on copies; `doc` must outlive it and not change under it.

// own
#include "framework/document_edit.h"
#include "model/station.h"
#include "model/station_validation.h"

// std
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class CKVDoc;

class CStationTable {
public:
    enum Column { Name, Type, Port, Address, Group, LcdText, kColumns };

    explicit CStationTable(const CKVDoc& doc);

    // "Name", "Type", "Port", "Address", "Group", "LCD Text": the header of the CSV form too.
    static const char* ColumnTitle(int column);

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    // The cell as UTF-8 text; empty where the station's type has no such field (Group of a paging
    // station, LCD text of any but the 10 Button Break-Out).
    std::string Cell(int row, int column) const;
    bool IsEditable(int row, int column) const;
    // True for a row the table adds to the document.
    bool IsNew(int row) const { return m_rows.at(row).origin < 0; }

    // Takes the user's UTF-8 text for a cell; the refusal the Station Properties dialog would show
    // for it (or the reason the text cannot be a name, type or LCD text), and nothing changed.
    std::optional<CStationRefusal> SetCell(int row, int column, const std::string& text);

    // Takes CSV rows (a header row of the column titles first, or the columns in table order):
    // each updates the station of its port and address or adds one. Returns one line per refused
    // row, "Row 4: ..."; when there is any, the table is as it was.
    std::vector<std::string> Merge(std::string_view csv);

    // The table as CSV, header first.
    std::string Csv() const;

    // The step that makes `doc` (the table's document) match the table; null when nothing
    // changed.
    std::unique_ptr<CDocEdit> MakeEdit(CKVDoc& doc) const;

private:
    struct Row {
        int origin = -1; // the station's index in the document; -1 for a new one
        CStation station;
        bool changed = false;
    };
    struct Cells {
        std::optional<std::string> values[kColumns];
    };

    // Applies the cells to row `row` (or to a new row when `row` is RowCount()) if every check
    // passes: the refusal otherwise.
    std::optional<CStationRefusal> Apply(int row, const Cells& cells);
    int FindRow(int port, int address) const;
    // True when every editable cell given is the row's own.
    bool Shows(int row, const Cells& cells) const;

    const CKVDoc& m_doc;
    std::vector<Row> m_rows;
};
