// own
#include "model/formats/csv.h"
#include "platform/cp1252.h"

namespace {
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool ReadsAsFormula(std::string_view text) {
    return !text.empty() &&
           std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos;
}

// The separator the first line uses, counting outside quotes.
char SeparatorOf(std::string_view text) {
    int commas = 0, semicolons = 0, tabs = 0;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if (c == '\n') break;
        commas += c == ',';
        semicolons += c == ';';
        tabs += c == '\t';
    }
    if (semicolons > commas) return ';';
    if (commas == 0 && tabs > 0) return '\t';
    return ',';
}

class CCsvReader {
public:
    explicit CCsvReader(std::string_view text) : m_text(text), m_separator(SeparatorOf(text)) {}

    CsvTable Read() {
        CsvTable table;
        while (m_pos < m_text.size()) {
            CsvRow row{m_line, {}};
            if (!ReadRow(row.fields)) {
                table.rows.clear();
                table.refusal =
                    "line " + std::to_string(row.line) + ": a quoted field is not closed";
                return table;
            }
            const bool blank = row.fields.size() == 1 && row.fields.front().empty();
            if (!blank) table.rows.push_back(std::move(row));
        }
        return table;
    }

private:
    // Reads one row up to and including its line end; false at an unclosed quote.
    bool ReadRow(std::vector<std::string>& fields) {
        std::string field;
        bool quoted = false;
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos++];
            if (quoted) {
                if (c == '\n') ++m_line;
                if (c != '"') {
                    field += c;
                } else if (m_pos < m_text.size() && m_text[m_pos] == '"') {
                    field += '"';
                    ++m_pos;
                } else {
                    quoted = false;
                }
            } else if (c == '"' && field.empty()) {
                quoted = true;
            } else if (c == m_separator) {
                fields.push_back(std::move(field));
                field.clear();
            } else if (c == '\n') {
                ++m_line;
                break;
            } else if (c == '\r' && m_pos < m_text.size() && m_text[m_pos] == '\n') {
                continue;
            } else {
                field += c;
            }
        }
        if (quoted) return false;
        fields.push_back(std::move(field));
        return true;
    }

    std::string_view m_text;
    char m_separator;
    std::size_t m_pos = 0;
    int m_line = 1;
};
} // namespace

CsvTable ReadCsv(std::string_view text) {
    if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    return CCsvReader(text).Read();
}

std::string CsvField(const std::string& field) {
    const std::string text = ReadsAsFormula(field) ? "'" + field : field;
    if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
    std::string quoted = "\"";
    for (const char c : text) {
        if (c == '"') quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string CsvLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i)
        line += (i == 0 ? "" : ",") + CsvField(fields[i]);
    return line + "\r\n";
}

std::string CsvText(const std::string& field) {
    if (field.starts_with('\'') && ReadsAsFormula(std::string_view(field).substr(1)))
        return field.substr(1);
    return field;
}

std::optional<std::string> CsvToCp1252(const std::string& field) {
    return Utf8ToCp1252(CsvText(field));
}
