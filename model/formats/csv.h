#pragma once
// CSV as spreadsheets write and read it. The reader takes comma- or semicolon-separated text in
// UTF-8 with or without a byte order mark, lines ending in CRLF or LF, fields quoted as RFC 4180
// has it (a quoted field may hold separators, quotes doubled and line breaks). The writer quotes
// where needed, ends lines in CRLF, and keeps a field a spreadsheet would run as a formula text
// behind a leading apostrophe, which the reader takes off again.

// std
#include <optional>
#include <string>
#include <string_view>
#include <vector>

struct CsvRow {
    // Where the row starts in the file, 1-based, as a spreadsheet numbers its rows when every
    // row is one line.
    int line = 0;
    std::vector<std::string> fields; // UTF-8
};

struct CsvTable {
    std::vector<CsvRow> rows;
    // Why the text is not CSV ("line 4: a quoted field is not closed"); empty when it is.
    std::string refusal;
};

// The rows of `text`, blank lines left out. The separator is the one of the first line: a
// semicolon when it holds more semicolons than commas outside quotes, otherwise a comma; a tab
// separates fields when the first line holds tabs and neither of them, as a spreadsheet's copied
// cells do.
CsvTable ReadCsv(std::string_view text);

// One field written for a spreadsheet: behind an apostrophe when it starts as a formula does
// ("=", "+", "-", "@", a tab or CR), quoted when it holds a comma, a quote or a line break.
std::string CsvField(const std::string& field);
// The fields as one line, CRLF at its end.
std::string CsvLine(const std::vector<std::string>& fields);

// A field as read, less the apostrophe CsvField put before a formula-like text.
std::string CsvText(const std::string& field);

// The single-byte (Windows-1252) form of a field read from CSV; nothing when a character has none
// or the field is not UTF-8.
std::optional<std::string> CsvToCp1252(const std::string& field);
