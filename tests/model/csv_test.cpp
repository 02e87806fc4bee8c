// CSV as spreadsheets write it, read back row by row.

// own
#include "model/formats/csv.h"

// std
#include <gtest/gtest.h>

namespace {
using Rows = std::vector<std::vector<std::string>>;

Rows FieldsOf(const CsvTable& table) {
    Rows rows;
    for (const CsvRow& row : table.rows)
        rows.push_back(row.fields);
    return rows;
}
} // namespace

TEST(CsvTest, ReadsTheFormsSpreadsheetsWrite) {
    const struct {
        const char* text;
        Rows rows;
    } cases[] = {
        {"a,b\r\nc,d\r\n", {{"a", "b"}, {"c", "d"}}},
        {"\xEF\xBB\xBF"
         "a;b,c;d\ne;f\n",
         {{"a", "b,c", "d"}, {"e", "f"}}},
        {"\"a,\"\"x\"\"\",b\n\n\"two\nlines\",c", {{"a,\"x\"", "b"}, {"two\nlines", "c"}}},
        {"Lobby\tx\nHall\n", {{"Lobby", "x"}, {"Hall"}}},
        {"a,,\n", {{"a", "", ""}}},
    };
    for (const auto& c : cases) {
        const CsvTable table = ReadCsv(c.text);
        EXPECT_EQ(table.refusal, "") << c.text;
        EXPECT_EQ(FieldsOf(table), c.rows) << c.text;
    }
    EXPECT_EQ(ReadCsv("a\n\"b\nc,d\n\nx").refusal, "line 2: a quoted field is not closed");
    EXPECT_EQ(ReadCsv("a\n\"b\nc\"\nd").rows.back().line, 4);
}

TEST(CsvTest, FormulaLikeFieldsComeBackAsWritten) {
    for (const std::string field : {"=SUM(A1)", "+1", "-x", "@a", "plain", "'quoted", "a,\"b\""}) {
        const CsvTable table = ReadCsv(CsvLine({field, "x"}));
        ASSERT_EQ(table.rows.size(), 1u) << field;
        EXPECT_EQ(CsvText(table.rows[0].fields[0]), field);
    }
    EXPECT_EQ(CsvLine({"=1", "a\"b"}), "'=1,\"a\"\"b\"\r\n");
}
