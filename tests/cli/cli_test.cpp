// corvantine-cli, run as a program.

// own
#include "tests/support/program_run.h"
#include "tests/support/temp_dir.h"

// std
#include <algorithm>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {
using CliRun = CProgramRun;

std::string Slurp(const fs::path& path) {
    return ReadWholeFile(path);
}

void Spit(const fs::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class CliTest : public testing::Test {
protected:
    // Runs the tool in the temporary folder with `args` (already quoted where needed).
    CliRun Cli(const std::string& args) { return RunProgram(CORV_CLI, args, dir.Path()); }

    // Imports `json` and expects it refused with `line` on standard error and no output file.
    void ExpectRefused(const std::string& json, const std::string& line) {
        Spit(dir / "in.json", json);
        const CliRun run = Cli("import in.json -o out.kvx");
        EXPECT_NE(run.exit, 0) << json;
        EXPECT_EQ(run.err, "corvantine-cli: in.json: " + line + "\n") << json;
        EXPECT_FALSE(fs::exists(dir / "out.kvx")) << json;
    }

    CTempDir dir;
};

fs::path Golden(const std::string& name) {
    return fs::path(CORV_SOURCE_DIR) / "tests" / "data" / name / "config.kvx";
}

const char* const kVaried = R"({
  "version": 258, "maxZones": 12, "zoneNames": ["Lobby", "Caf\u00e9", "Hall \u20ac"],
  "stations": [
    {"name": "Front desk", "type": 9, "port": 3, "address": 7, "group": 0,
     "lcdText": "WELCOME", "buttons": [{"name": "All call", "zones": [1, 2, 12]}, {"zones": [3]}]},
    {"name": "Panel", "type": 47, "port": 16, "address": 15, "group": 16}
  ],
  "softButtons": [{"name": "Fire", "zones": [5]}, {"name": "Evac"}]
})";
} // namespace

TEST_F(CliTest, NewWritesTheDefaultDocument) {
    const CliRun run = Cli("new site.kvx");
    EXPECT_EQ(run.exit, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Slurp(dir / "site.kvx"), Slurp(Golden("new_document")));
}

TEST_F(CliTest, ImportThenExportThenImportIsByteIdentical) {
    Spit(dir / "in.json", kVaried);
    ASSERT_EQ(Cli("import in.json -o a.kvx").exit, 0);
    const CliRun exported = Cli("export a.kvx");
    ASSERT_EQ(exported.exit, 0);
    const auto json = nlohmann::json::parse(exported.out);
    EXPECT_EQ(json["zoneNames"][1], "Caf\u00e9");
    EXPECT_EQ(json["zoneNames"].size(), 12u);
    EXPECT_EQ(json["stations"][0]["buttons"][0]["zones"], nlohmann::json({1, 2, 12}));
    EXPECT_EQ(json["stations"][0]["buttons"].size(), 9u);
    EXPECT_EQ(json["stations"][0]["buttons"][1]["name"], "HardButton2");
    EXPECT_EQ(json["stations"][1]["group"], 16);
    EXPECT_EQ(json["softButtons"][1]["name"], "Evac");
    EXPECT_EQ(json["softButtons"][2]["name"], "SoftButton13");
    Spit(dir / "again.json", exported.out);
    ASSERT_EQ(Cli("import again.json -o b.kvx").exit, 0);
    EXPECT_EQ(Slurp(dir / "a.kvx"), Slurp(dir / "b.kvx"));
}

TEST_F(CliTest, ExportOfAVersion257FileNamesItsVersion) {
    const CliRun run = Cli("export '" + Golden("version_257").string() + "'");
    ASSERT_EQ(run.exit, 0);
    EXPECT_EQ(nlohmann::json::parse(run.out)["version"], 257);
}

TEST_F(CliTest, ImportRefusesTheFirstRefusedFieldAndWritesNothing) {
    ExpectRefused(R"({"stations": [{"port": 17}]})", "stations[0].port: 17 refused (1 to 16)");
    ExpectRefused(R"({"stations": [{"type": 5}]})",
                  "stations[0].type: 5 refused (3, 4, 9, 10, 47 or 48)");
    ExpectRefused(
        R"({"stations": [{"name": "abcdefghijklmnopqrstuvwxyz"}]})",
        "stations[0].name: \"abcdefghijklmnopqrstuvwxyz\" refused (at most 25 characters)");
    ExpectRefused(R"({"stations": [{"address": 4294967297}]})",
                  "stations[0].address: 4294967297 refused (out of range)");
    ExpectRefused(R"({"stations": [{"group": 1.5}]})",
                  "stations[0].group: expected an integer, found number");
    ExpectRefused(R"({"maxZones": 10, "stations": [{"buttons": [{"zones": [11]}]}]})",
                  "stations[0].buttons[0].zones[0]: zone 11 refused (1 to maxZones 10)");
    ExpectRefused(R"({"softButtons": [{"zones": [0]}]})",
                  "softButtons[0].zones[0]: zone 0 refused (1 to maxZones 99)");
    ExpectRefused(R"({"softButtons": [{}, {"zones": [4, 4]}]})",
                  "softButtons[1].zones[1]: zone 4 listed twice");
    ExpectRefused(R"({"stations": [{"type": 3, "buttons": [{}, {}, {}, {}]}]})",
                  "stations[0].buttons: 4 elements refused (0 to 3)");
    ExpectRefused(R"({"stations": []})", "stations: 0 elements refused (1 to 240)");
    ExpectRefused(R"({"maxZones": 5})", "stations: 0 elements refused (1 to 240)");
    ExpectRefused(R"({"version": -1, "stations": [{}]})", "version: -1 refused (257 or 258)");
    ExpectRefused(R"({"maxZones": 99, "stations": [{}], "maxZones": 5})",
                  "the key \"maxZones\" given twice refused");
    // A name that would retitle the terminal is refused, and quoted as visible escapes.
    ExpectRefused(R"({"stations": [{"name": "A\u001b]0;x\u009d"}]})",
                  R"(stations[0].name: "A\u001b]0;x\xc2\x9d" refused (a control character))");
    ExpectRefused(R"({"zoneNames": ["Tab\there"], "stations": [{}]})",
                  R"(zoneNames[0]: "Tab\there" refused (a control character))");
    ExpectRefused(R"({"zoneNames": ["\u4e2d"]})",
                  "zoneNames[0]: \"\u4e2d\" refused (a character without a Windows-1252 form)");
    ExpectRefused(R"({"maxZone": 10})", "top level: unknown field \"maxZone\"");
    ExpectRefused(R"({"maxZones": 0})", "maxZones: 0 refused (1 to 99)");
    ExpectRefused(R"([])", "top level: expected an object, found array");
}

TEST_F(CliTest, ImportOfBrokenJsonFailsWithOneLine) {
    Spit(dir / "in.json", "{\"maxZones\": ");
    const CliRun run = Cli("import in.json -o out.kvx");
    EXPECT_NE(run.exit, 0);
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1);
    EXPECT_NE(run.err.find("in.json: not valid JSON"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "out.kvx"));
}

TEST_F(CliTest, ExportRefusesForeignMissingAndTruncatedFiles) {
    Spit(dir / "notes.kvx", std::string(100, 'x'));
    CliRun run = Cli("export notes.kvx");
    EXPECT_EQ(run.exit, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(
        run.err,
        "corvantine-cli: notes.kvx: This file is not a valid KVX file.  File Open Aborted...\n");
    run = Cli("export missing.kvx");
    EXPECT_EQ(run.exit, 2);
    EXPECT_EQ(run.err, "corvantine-cli: missing.kvx: No such file or directory\n");
    Spit(dir / "cut.kvx", Slurp(Golden("new_document")).substr(0, 500));
    run = Cli("export cut.kvx");
    EXPECT_EQ(run.exit, 2);
    EXPECT_EQ(
        run.err,
        "corvantine-cli: cut.kvx: damaged at byte 500, where the file ends inside its data\n");
}

TEST_F(CliTest, SaveFailureIsReportedWithTheToolkitText) {
    const CliRun run = Cli("new no/such/folder.kvx");
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.err, "corvantine-cli: Invalid filename.\n");
}

namespace {
// `count` stations, each on its own port and address unless `sharedLast` puts the last one on
// the first one's pair.
std::string Stations(int count, bool sharedLast = false) {
    nlohmann::json stations = nlohmann::json::array();
    for (int i = 0; i < count; ++i) {
        const int pair = sharedLast && i == count - 1 ? 0 : i;
        stations.push_back({{"name", "S" + std::to_string(i)},
                            {"port", pair / 15 + 1},
                            {"address", pair % 15 + 1}});
    }
    return nlohmann::json{{"stations", stations}}.dump();
}

std::string Repeat(const std::string& text, int times) {
    std::string repeated;
    for (int i = 0; i < times; ++i)
        repeated += text;
    return repeated;
}
} // namespace

TEST_F(CliTest, ImportRefusesWhatTheEditorCannotHoldAndLeavesTheTargetAlone) {
    ASSERT_EQ(Cli("new out.kvx").exit, 0);
    const std::string before = Slurp(dir / "out.kvx");
    const auto expectRefused = [&](const std::string& json, const std::string& line) {
        Spit(dir / "in.json", json);
        const CliRun run = Cli("import in.json -o out.kvx");
        EXPECT_EQ(run.exit, 1) << line;
        EXPECT_EQ(run.err, "corvantine-cli: in.json: " + line + "\n");
        EXPECT_EQ(Slurp(dir / "out.kvx"), before) << line;
    };
    expectRefused(R"({"stations": [{"name": "Front desk", "port": 3, "address": 7},
                                    {"name": "Panel", "port": 3, "address": 8},
                                    {"name": "Dock Door", "port": 3, "address": 7}]})",
                  "stations[2]: [3-7] of \"Dock Door\" already used by \"Front desk\" "
                  "(stations[0])");
    expectRefused(Stations(240, true),
                  "stations[239]: [1-1] of \"S239\" already used by \"S0\" (stations[0])");
    expectRefused(Stations(241), "stations: 241 elements refused (1 to 240)");
    expectRefused(R"({"stations": [{"port": 0}]})", "stations[0].port: 0 refused (1 to 16)");

    // At most 60 characters of a refused value are quoted.
    const std::string longName(10000, 'n');
    expectRefused(R"({"stations": [{"name": ")" + longName + "\"}]}",
                  "stations[0].name: \"" + std::string(59, 'n') +
                      "... refused (at most 25 characters)");
    // Characters are counted, not bytes: an accented letter is never cut in half.
    expectRefused("{\"" + Repeat("\xC3\xA9", 100) + "\": 1}",
                  "top level: unknown field \"" + Repeat("\xC3\xA9", 60) + "...\"");

    Spit(dir / "in.json", Stations(240));
    EXPECT_EQ(Cli("import in.json -o out.kvx").exit, 0);
    EXPECT_EQ(nlohmann::json::parse(Cli("export out.kvx").out)["stations"].size(), 240u);
}

TEST_F(CliTest, ImportRefusesInputsItCannotReadAtOnce) {
    ASSERT_EQ(Cli("new out.kvx").exit, 0);
    const std::string before = Slurp(dir / "out.kvx");
    const auto expectUnread = [&](const std::string& input, const std::string& line) {
        const CliRun run = Cli("import " + input + " -o out.kvx");
        EXPECT_EQ(run.exit, 2) << line;
        EXPECT_EQ(run.err, "corvantine-cli: " + input + ": " + line + "\n");
        EXPECT_EQ(Slurp(dir / "out.kvx"), before) << line;
    };
    fs::create_directory(dir / "folder");
    expectUnread("folder", "not a regular file");
    // Nobody writes to the FIFO: reading it would wait for ever.
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    expectUnread("fifo", "not a regular file");
    expectUnread("missing.json", "No such file or directory");
    fs::resize_file((Spit(dir / "big.json", ""), dir / "big.json"), (16 << 20) + 1);
    expectUnread("big.json", "16777217 bytes refused (at most 16 MB)");

    // Shapes whose parse would take minutes or gigabytes are refused while parsing.
    std::string keys = "{";
    for (int i = 0; i < 200000; ++i)
        keys += (i ? ",\"k" : "\"k") + std::to_string(i) + "\":0";
    Spit(dir / "keys.json", keys + "}");
    expectUnread("keys.json", "an object of more than 64 fields refused");
    Spit(dir / "deep.json", std::string(100000, '[') + std::string(100000, ']'));
    expectUnread("deep.json", "nesting deeper than 32 levels refused");
    std::string values = "[";
    for (int i = 0; i < 2100000; ++i)
        values += i ? ",0" : "0";
    Spit(dir / "values.json", values + "]");
    expectUnread("values.json", "more than 2000000 values refused");

    // The parser's complaint quotes at most 60 characters of what it read.
    Spit(dir / "broken.json", "{\"name\": \"" + std::string(100000, 'x') + "\x01\"}");
    const CliRun run = Cli("import broken.json -o out.kvx");
    EXPECT_EQ(run.exit, 2);
    EXPECT_LT(run.err.size(), 400u);
    EXPECT_NE(run.err.find(std::string(50, 'x') + "..."), std::string::npos) << run.err;
}

TEST_F(CliTest, UsageErrorsExitWith64AndHelpListsTheExitStatuses) {
    EXPECT_EQ(Cli("").exit, 64);
    const CliRun unknown = Cli("frobnicate");
    EXPECT_EQ(unknown.exit, 64);
    EXPECT_NE(unknown.err.find("\"frobnicate\""), std::string::npos) << unknown.err;
    EXPECT_EQ(Cli("import in.json").exit, 64);
    EXPECT_EQ(Cli("export a.kvx b.kvx").exit, 64);
    const CliRun help = Cli("--help");
    EXPECT_EQ(help.exit, 0);
    EXPECT_NE(
        help.out.find("Exit status: 0 success, 1 refused or failed, 2 cannot read, 64 usage, 130 "
                      "or 143 cancelled by SIGINT or SIGTERM."),
        std::string::npos);
}
