// own
#include "model/zone_names.h"
#include "model/config_edits.h"
#include "model/formats/csv.h"
#include "model/kv_doc.h"
#include "model/zone_usage.h"
#include "platform/cp1252.h"
#include "platform/decimal.h"

// std
#include <algorithm>
#include <cctype>

namespace {
// A field of digits alone: the row starts with a zone number.
bool IsNumber(const std::string& field) {
    return !field.empty() && field.size() <= 3 &&
           std::all_of(field.begin(), field.end(), [](unsigned char c) { return std::isdigit(c); });
}

bool IsHeader(const CsvRow& row) {
    return !row.fields.empty() && row.fields.front() == "Zone";
}

std::string RowRefusal(int line, const std::string& why) {
    return "Row " + std::to_string(line) + ": " + why;
}
} // namespace

std::optional<std::string> ZoneNameProblem(std::string_view utf8) {
    const auto bytes = Utf8ToCp1252(utf8);
    if (!bytes) return "\"" + std::string(utf8) + "\" has a character with no single-byte form";
    if (bytes->size() > kMaxZoneName)
        return "the name is longer than " + std::to_string(kMaxZoneName) + " characters";
    if (std::any_of(bytes->begin(), bytes->end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }))
        return "the name holds a tab, a line break or another control character";
    return std::nullopt;
}

std::string ZoneNamesCsv(const CKVDoc& doc) {
    std::vector<std::string> names;
    for (int z = 0; z < doc.m_nMaxZones; ++z)
        names.push_back(Cp1252ToUtf8(doc.m_strZoneNames[z]));
    return ZoneNamesCsv(names, PagingCounts(doc));
}

std::string ZoneNamesCsv(const std::vector<std::string>& names, const std::vector<int>& counts) {
    std::string out = CsvLine({"Zone", "Name", "Buttons"});
    for (std::size_t z = 0; z < names.size(); ++z)
        out += CsvLine({std::to_string(z + 1), names[z], std::to_string(counts.at(z))});
    return out;
}

ZoneNamesRead ReadZoneNames(const CKVDoc& doc, std::string_view text) {
    ZoneNamesRead read;
    const CsvTable csv = ReadCsv(text);
    if (!csv.refusal.empty()) {
        read.refusals.push_back(csv.refusal);
        return read;
    }
    std::vector<int> namedOn(kMaxZones, 0);
    int zone = 0;
    for (const CsvRow& row : csv.rows) {
        if (&row == &csv.rows.front() && IsHeader(row)) continue;
        const bool numbered = row.fields.size() >= 2 && IsNumber(row.fields[0]);
        zone = numbered ? ParseDecimal(row.fields[0]) : zone + 1;
        const std::string name = CsvText(row.fields[numbered ? 1 : 0]);
        if (zone < 1 || zone > doc.m_nMaxZones) {
            read.refusals.push_back(
                RowRefusal(row.line, "zone " + std::to_string(zone) + " is not one of the " +
                                         std::to_string(doc.m_nMaxZones) + " zones in use"));
        } else if (namedOn[zone - 1] != 0) {
            read.refusals.push_back(
                RowRefusal(row.line, "zone " + std::to_string(zone) + " is named on row " +
                                         std::to_string(namedOn[zone - 1]) + " already"));
        } else if (const auto problem = ZoneNameProblem(name)) {
            read.refusals.push_back(RowRefusal(row.line, *problem));
        } else {
            namedOn[zone - 1] = row.line;
            read.names.push_back({zone - 1, *Utf8ToCp1252(name)});
        }
    }
    if (!read.refusals.empty()) read.names.clear();
    return read;
}

std::vector<std::string> PastedColumn(std::string_view text) {
    std::vector<std::string> cells;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find('\n'), text.size());
        std::string_view line = text.substr(0, end);
        text.remove_prefix(std::min(end + 1, text.size()));
        if (line.ends_with('\r')) line.remove_suffix(1);
        cells.emplace_back(line.substr(0, line.find('\t')));
    }
    return cells;
}

std::unique_ptr<CDocEdit> MakeZoneNamesEdit(CKVDoc& doc, const std::vector<ZoneNameChange>& names) {
    std::vector<std::unique_ptr<CDocEdit>> edits;
    for (const ZoneNameChange& change : names)
        if (doc.m_strZoneNames.at(change.zone) != change.name)
            edits.push_back(std::make_unique<CZoneNameEdit>(doc, change.zone, change.name, 0));
    if (edits.empty()) return nullptr;
    return std::make_unique<CEditGroup>("Zone Names", std::move(edits));
}
