// own
#include "model/station_table.h"
#include "model/limits.h"
#include "model/station_gate.h"
#include "model/config_edits.h"
#include "model/formats/csv.h"
#include "model/kv_doc.h"
#include "model/station_fields.h"
#include "platform/cp1252.h"
#include "platform/decimal.h"

// std
#include <array>

namespace {
constexpr std::array<const char*, CStationTable::kColumns> kTitles = {
    "Name", "Type", "Port", "Address", "Group", "LCD Text"};

// The type a cell names: its label or its number of buttons (a break-out's one less); -1 for
// neither.
int TypeOfCell(const std::string& text) {
    for (int index = 0; index < 6; ++index) {
        const int type = TypeOfIndex(index);
        if (text == StationTypeLabel(type) || text == std::to_string(type)) return type;
    }
    return -1;
}

CStationRefusal TextRefusal(const std::string& text) {
    return {text, kAppTitle};
}

// The single-byte form of a name or LCD text of at most `limit` characters.
std::optional<std::string> TextOf(const std::string& utf8, std::size_t limit, const char* what,
                                  std::optional<CStationRefusal>& refusal) {
    const auto bytes = Utf8ToCp1252(utf8);
    if (!bytes) {
        refusal = TextRefusal("\"" + utf8 + "\" has a character with no single-byte form");
    } else if (bytes->size() > limit) {
        refusal = TextRefusal(std::string("the ") + what + " is longer than " +
                              std::to_string(limit) + " characters");
    }
    return refusal ? std::nullopt : bytes;
}
} // namespace

CStationTable::CStationTable(const CKVDoc& doc) : m_doc(doc) {
    for (std::size_t s = 0; s < doc.m_pStations.size(); ++s)
        m_rows.push_back({static_cast<int>(s), *doc.m_pStations[s], false});
}

const char* CStationTable::ColumnTitle(int column) {
    return kTitles.at(column);
}

std::string CStationTable::Cell(int row, int column) const {
    const CStation& station = m_rows.at(row).station;
    if (!IsEditable(row, column)) return {};
    switch (column) {
    case Name:
        return Cp1252ToUtf8(station.GetName());
    case Type:
        return StationTypeLabel(station.m_nType);
    case Port:
        return std::to_string(station.m_nPort);
    case Address:
        return std::to_string(station.m_nAddress);
    case Group:
        return std::to_string(station.m_nGroup);
    default:
        return Cp1252ToUtf8(station.GetLcdText());
    }
}

bool CStationTable::IsEditable(int row, int column) const {
    const int index = IndexOfType(m_rows.at(row).station.m_nType);
    if (column == Group) return IndexShowsGroup(index);
    if (column == LcdText) return IndexShowsLcdText(index);
    return column >= 0 && column < kColumns;
}

bool CStationTable::Shows(int row, const Cells& cells) const {
    for (int c = 0; c < kColumns; ++c)
        if (cells.values[c] && IsEditable(row, c) && *cells.values[c] != Cell(row, c)) return false;
    return true;
}

int CStationTable::FindRow(int port, int address) const {
    for (std::size_t r = 0; r < m_rows.size(); ++r)
        if (m_rows[r].station.m_nPort == port && m_rows[r].station.m_nAddress == address)
            return static_cast<int>(r);
    return -1;
}

std::optional<CStationRefusal> CStationTable::Apply(int row, const Cells& cells) {
    const bool adding = row == RowCount();
    CStation station;
    if (adding) {
        station.SetName("Station" + std::to_string(RowCount() + 1));
    } else {
        station = m_rows[row].station;
    }
    std::optional<CStationRefusal> refusal;
    CStationFields fields = FieldsForEdit(station, row);
    if (const auto& name = cells.values[Name]) {
        if (const auto bytes = TextOf(*name, kMaxStationName, "name", refusal))
            fields.m_strName = *bytes;
    }
    if (const auto& lcd = cells.values[LcdText]; lcd && !refusal) {
        if (const auto bytes = TextOf(*lcd, kMaxLcdText, "LCD text", refusal))
            fields.m_strLcdText = *bytes;
    }
    // An empty type keeps the station's own, or a new one's default.
    if (const auto& type = cells.values[Type]; type && !type->empty() && !refusal) {
        fields.m_nTypeIndex = IndexOfType(TypeOfCell(*type));
        if (fields.m_nTypeIndex < 0)
            refusal = TextRefusal("\"" + *type + "\" is not a station type");
    }
    if (refusal) return refusal;
    // A hidden field is the station's own, as the dialog keeps it.
    if (!IndexShowsGroup(fields.m_nTypeIndex)) {
        fields.m_strGroup = std::to_string(station.m_nGroup);
    } else if (cells.values[Group]) {
        fields.m_strGroup = *cells.values[Group];
    }
    if (!IndexShowsLcdText(fields.m_nTypeIndex)) fields.m_strLcdText = station.GetLcdText();
    if (cells.values[Port]) fields.m_strPort = *cells.values[Port];
    if (cells.values[Address]) fields.m_strAddress = *cells.values[Address];
    // The other rows as a document of their own, so that the checks see the table as it will be:
    // a new row is checked for room as Add checks it.
    CKVDoc others(m_doc.Ui());
    others.m_nMaxZones = m_doc.m_nMaxZones;
    for (int r = 0; r < RowCount(); ++r)
        if (r != row) others.m_pStations.push_back(std::make_unique<CStation>(m_rows[r].station));
    fields.m_pStation = nullptr;
    fields.m_bCheckMemory = adding || IsNew(row);
    if (fields.m_bCheckMemory && CheckStationAdd(others) == StationGate::Full) return FullRefusal();
    if (auto checked = CheckStationFields(fields, others)) return checked;
    const bool changed = ApplyFields(fields, station, m_doc.m_nMaxZones);
    if (adding) {
        m_rows.push_back({-1, std::move(station), true});
    } else {
        m_rows[row].station = std::move(station);
        m_rows[row].changed = m_rows[row].changed || changed;
    }
    return std::nullopt;
}

std::optional<CStationRefusal> CStationTable::SetCell(int row, int column,
                                                      const std::string& text) {
    Cells cells;
    cells.values[column] = text;
    return Apply(row, cells);
}

std::vector<std::string> CStationTable::Merge(std::string_view text) {
    const CsvTable csv = ReadCsv(text);
    if (!csv.refusal.empty()) return {csv.refusal};
    // Columns by the header's titles, or in table order without a header.
    std::array<int, kColumns> fieldOf = {0, 1, 2, 3, 4, 5};
    std::size_t first = 0;
    if (!csv.rows.empty() && csv.rows.front().fields.front() == kTitles[Name]) {
        fieldOf.fill(-1);
        const auto& header = csv.rows.front().fields;
        for (std::size_t f = 0; f < header.size(); ++f)
            for (int c = 0; c < kColumns; ++c)
                if (header[f] == kTitles[c]) fieldOf[c] = static_cast<int>(f);
        if (fieldOf[Port] < 0 || fieldOf[Address] < 0)
            return {"Row 1: the table needs a Port and an Address column"};
        first = 1;
    }
    const std::vector<Row> before = m_rows;
    std::vector<std::string> refusals;
    for (std::size_t r = first; r < csv.rows.size(); ++r) {
        const CsvRow& line = csv.rows[r];
        Cells cells;
        for (int c = 0; c < kColumns; ++c)
            if (fieldOf[c] >= 0 && static_cast<std::size_t>(fieldOf[c]) < line.fields.size())
                cells.values[c] = CsvText(line.fields[fieldOf[c]]);
        const int found = FindRow(ParseDecimal(cells.values[Port].value_or("")),
                                  ParseDecimal(cells.values[Address].value_or("")));
        // A row that shows its station as it is changes nothing, not even a group the dialog
        // would propose anew.
        if (found >= 0 && Shows(found, cells)) continue;
        if (const auto refusal = Apply(found >= 0 ? found : RowCount(), cells))
            refusals.push_back("Row " + std::to_string(line.line) + ": " + refusal->text);
    }
    if (!refusals.empty()) m_rows = before;
    return refusals;
}

std::string CStationTable::Csv() const {
    std::string out = CsvLine({kTitles.begin(), kTitles.end()});
    for (int r = 0; r < RowCount(); ++r) {
        std::vector<std::string> fields;
        for (int c = 0; c < kColumns; ++c)
            fields.push_back(Cell(r, c));
        out += CsvLine(fields);
    }
    return out;
}

std::unique_ptr<CDocEdit> CStationTable::MakeEdit(CKVDoc& doc) const {
    std::vector<std::unique_ptr<CDocEdit>> edits;
    int position = static_cast<int>(doc.m_pStations.size());
    for (const Row& row : m_rows) {
        if (row.origin >= 0 && row.changed)
            edits.push_back(std::make_unique<CStationEdit>(doc, row.origin, row.station));
        if (row.origin < 0)
            edits.push_back(CStationListEdit::Insert(
                doc, position++, std::make_unique<CStation>(row.station), "Add Station"));
    }
    if (edits.empty()) return nullptr;
    return std::make_unique<CEditGroup>("Stations", std::move(edits));
}
