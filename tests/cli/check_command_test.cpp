// corvantine-cli check, run as a program on configuration files written by the model.

// own
#include "model/kv_doc.h"
#include "tests/support/add_station.h"
#include "tests/support/program_run.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_dir.h"

// std
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {
class CheckCommandTest : public testing::Test {
protected:
    CheckCommandTest() {
        doc.OnNewDocument();
        doc.m_pStations[0]->SetName("Lobby");
    }

    CProgramRun Check(const std::string& options = "") {
        EXPECT_TRUE(doc.OnSaveDocument((dir / "site.kvx").string()));
        return RunProgram(CORV_CLI, "check site.kvx" + options, dir.Path());
    }

    CTempDir dir;
    CScriptedUi ui;
    CKVDoc doc{ui};
};
} // namespace

TEST_F(CheckCommandTest, ACleanConfigurationPrintsNothingAndExitsZero) {
    const CProgramRun run = Check();
    EXPECT_EQ(run.exit, 0);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "");
}

TEST_F(CheckCommandTest, WarningsAloneExitZeroErrorsExitOne) {
    AddStation(doc, "", 4, 2, 1);
    CProgramRun run = Check();
    EXPECT_EQ(run.exit, 0);
    EXPECT_EQ(run.out, "warning: [2-1]: the station has no name\n");

    // The file keeps the shared pair (the editor mends it); check names it.
    // ESC and the 8-bit CSI U+009D (0x9D in the file) reach the terminal as escapes.
    AddStation(doc, "Dock\x1B[2J\x9D", 9, 1, 1);
    run = Check(" --controller-version 1.0");
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.out, "warning: [2-1]: the station has no name\n"
                       "error: Dock\\x1b[2J\\xc2\\x9d [1-1]: port and address also used by Lobby [1-1]\n"
                       "error: Dock\\x1b[2J\\xc2\\x9d [1-1]: a 10 button break-out, which a 1.0 "
                       "controller does not support\n");
    EXPECT_EQ(Check(" --controller-version 1.1").exit, 1);
}

// In lines the controls are shown as escapes; in JSON, as the JSON escapes of the same characters.
TEST_F(CheckCommandTest, ANameOfControlsReachesTheTerminalEscapedAsLinesAndAsJson) {
    EXPECT_TRUE(doc.OnSaveDocument((dir / "before.kvx").string()));
    doc.m_pStations[0]->SetName("Lobby\x1B]0;owned\x07\x9D\x7F");
    EXPECT_TRUE(doc.OnSaveDocument((dir / "after.kvx").string()));
    CProgramRun run = RunProgram(CORV_CLI, "diff before.kvx after.kvx", dir.Path());
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.out, "[1-1] Lobby: name: Lobby -> Lobby\\x1b]0;owned\\x07\\xc2\\x9d\\x7f\n");

    const std::string escaped = R"("Lobby\u001b]0;owned\u0007\u009d\u007f")";
    for (const auto& [command, where] :
         {std::pair{"diff --json before.kvx after.kvx", "/differences/0/to"},
          std::pair{"export after.kvx", "/stations/0/name"}}) {
        run = RunProgram(CORV_CLI, command, dir.Path());
        EXPECT_NE(run.out.find(escaped), std::string::npos) << command << ":\n" << run.out;
        EXPECT_EQ(run.out.find("\xC2\x9D"), std::string::npos) << command;
        EXPECT_EQ(nlohmann::json::parse(run.out).at(nlohmann::json::json_pointer(where)),
                  "Lobby\x1B]0;owned\x07\xC2\x9D\x7F")
            << command << ": the same JSON";
    }
}

TEST_F(CheckCommandTest, JsonListsTheSameFindingsWithTheirPlaces) {
    doc.m_nMaxZones = 10;
    doc.m_pStations[0]->SetPort(3);
    doc.m_pStations[0]->SetAddress(7);
    doc.m_pStations[0]->m_Buttons[2].ToggleZone(11);
    doc.m_SoftButtons[1].ToggleZone(10);
    const CProgramRun run = Check(" --json");
    EXPECT_EQ(run.exit, 1);
    const auto json = nlohmann::json::parse(run.out);
    ASSERT_EQ(json.size(), 2u);
    EXPECT_EQ(json[0], nlohmann::json::parse(R"({"severity": "error",
        "place": "Lobby [3-7] HB-03 zone 12", "text": "zone 12 is beyond the 10 zones in use",
        "port": 3, "address": 7, "button": "HB-03", "zone": 12})"));
    EXPECT_EQ(json[1]["button"], "SB-12");
    EXPECT_FALSE(json[1].contains("port"));
}

TEST_F(CheckCommandTest, UnreadableFileExitsTwoAndABadVersionIsAUsageError) {
    CProgramRun run = RunProgram(CORV_CLI, "check missing.kvx", dir.Path());
    EXPECT_EQ(run.exit, 2);
    EXPECT_EQ(run.err, "corvantine-cli: missing.kvx: No such file or directory\n");
    for (const char* version : {"1", "1.x", "one.zero", "1.0.0", "256.0", "-1.0", " 1.0"})
        EXPECT_EQ(Check(std::string(" --controller-version '") + version + "'").exit, 64)
            << version;
}
