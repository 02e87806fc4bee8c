// corvantine-cli's decode, diff and report, run as a program on files made with its own import
// and image commands.

// own
#include "tests/cli/cli_site_test.h"

// std
#include <nlohmann/json.hpp>

namespace fs = std::filesystem;

namespace {

class ReadBackCommandsTest : public CliSiteTest {
protected:
    ReadBackCommandsTest() { EXPECT_EQ(Cli("image site.kvx -o site.dat").exit, 0); }

    // site.json with `from` replaced by `to`, imported as `name`.
    void ImportChanged(const std::string& name, const std::string& from, const std::string& to) {
        std::string json = kCliSite;
        json.replace(json.find(from), from.size(), to);
        Write("changed.json", json);
        ASSERT_EQ(Cli("import changed.json -o " + name).exit, 0);
    }
};

TEST_F(ReadBackCommandsTest, DecodePrintsWhatTheImageHoldsAndWritesItWithO) {
    const CProgramRun run = Cli("decode site.dat");
    ASSERT_EQ(run.exit, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["maxZones"], 12);
    EXPECT_FALSE(json.contains("zoneNames"));
    EXPECT_FALSE(json.contains("version"));
    const auto& desk = json["stations"][0];
    EXPECT_FALSE(desk.contains("name"));
    EXPECT_EQ(desk["port"], 3);
    EXPECT_EQ(desk["address"], 7);
    EXPECT_EQ(desk["type"], 9);
    EXPECT_EQ(desk["group"], 0);
    EXPECT_EQ(desk["lcdText"], "WELCOME");
    EXPECT_EQ(desk["buttons"][0], nlohmann::json({{"name", "All call"}, {"zones", {1, 2, 12}}}));
    EXPECT_EQ(desk["buttons"].size(), 9u);
    const auto& dock = json["stations"][1];
    EXPECT_FALSE(dock.contains("lcdText"));
    EXPECT_FALSE(dock["buttons"][0].contains("name"));
    EXPECT_EQ(json["softButtons"][0], nlohmann::json({{"name", "Fire"}, {"zones", {5}}}));

    ASSERT_EQ(Cli("decode site.dat -o site-decoded.json").exit, 0);
    EXPECT_EQ(Read("site-decoded.json"), run.out);
    // What decode writes, import takes.
    EXPECT_EQ(Cli("import site-decoded.json -o again.kvx").exit, 0);
}

TEST_F(ReadBackCommandsTest, DecodeRefusesWhatIsNoImage) {
    std::string image = Read("site.dat");
    image[20] = static_cast<char>(image[20] + 1);
    Write("damaged.dat", image);
    CProgramRun run = Cli("decode damaged.dat -o out.json");
    EXPECT_EQ(run.exit, 2);
    EXPECT_EQ(Cli("diff site.dat damaged.dat").exit, 2) << "the same input, the same status";
    EXPECT_EQ(run.err.rfind("corvantine-cli: damaged.dat: not a valid controller image: byte 2: "
                            "checksum 0x",
                            0),
              0u)
        << run.err;
    EXPECT_FALSE(fs::exists(dir / "out.json"));

    run = Cli("decode missing.dat");
    EXPECT_EQ(run.exit, 2);
    EXPECT_EQ(run.err, "corvantine-cli: missing.dat: No such file or directory\n");
    fs::create_directory(dir / "folder");
    run = Cli("decode folder");
    EXPECT_EQ(run.exit, 2);
    EXPECT_EQ(run.err, "corvantine-cli: folder: not a regular file\n");
}

TEST_F(ReadBackCommandsTest, DiffOfAFileAndItsImageIsEmptyAndOneZoneIsOneLine) {
    for (const char* pair : {"site.kvx site.dat", "site.dat site.kvx", "site.kvx site.kvx"}) {
        const CProgramRun same = Cli(std::string("diff ") + pair);
        EXPECT_EQ(same.exit, 0) << pair << same.err;
        EXPECT_EQ(same.out, "") << pair;
    }
    ImportChanged("changed.kvx", "[1, 2, 12]", "[1, 12]");
    CProgramRun run = Cli("diff changed.kvx site.dat");
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.out, "[3-7] Front desk: HB-01 zone 2 off -> on\n");

    run = Cli("diff site.kvx changed.kvx --json");
    EXPECT_EQ(run.exit, 1);
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json["same"], false);
    ASSERT_EQ(json["differences"].size(), 1u);
    EXPECT_EQ(json["differences"][0],
              nlohmann::json({{"kind", "switched"}, {"port", 3}, {"address", 7},
                              {"station", "Front desk"}, {"item", "HB-01 zone 2"}, {"from", "on"},
                              {"to", "off"}, {"line", "[3-7] Front desk: HB-01 zone 2 on -> off"}}));
    EXPECT_EQ(nlohmann::json::parse(Cli("diff site.kvx site.dat --json").out)["same"], true);
}

TEST_F(ReadBackCommandsTest, DiffNamesStationsAndZonesOnlyWhereBothSidesHaveThem) {
    ImportChanged("renamed.kvx", "\"Lobby\"", "\"Foyer\"");
    CProgramRun run = Cli("diff site.kvx renamed.kvx");
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.out, "zone 1 name: Lobby -> Foyer\n");
    EXPECT_EQ(Cli("diff renamed.kvx site.dat").exit, 0);

    ImportChanged("moved.kvx", "\"port\": 4", "\"port\": 5");
    run = Cli("diff site.dat moved.kvx");
    EXPECT_EQ(run.out, "- station [4-1]\n+ station [5-1] Dock Door\n");
}

TEST_F(ReadBackCommandsTest, DiffThatCannotReadExitsTwo) {
    Write("junk.kvx", "; KVX but nothing else");
    for (const char* args : {"diff site.kvx missing.kvx", "diff junk.kvx site.kvx"}) {
        const CProgramRun run = Cli(args);
        EXPECT_EQ(run.exit, 2) << args;
        EXPECT_EQ(run.out, "") << args;
        EXPECT_NE(run.err, "") << args;
    }
}

TEST_F(ReadBackCommandsTest, ReportWritesEachFormByItsExtension) {
    ASSERT_EQ(Cli("report site.kvx -o site.csv").exit, 0);
    const std::string csv = Read("site.csv");
    EXPECT_EQ(csv.rfind("Station,Port-Address,Button,Button Name,Zones,Zone Names\r\n"
                        "Front desk,3-7,HB-01,All call,1 2 12,Lobby; Caf\u00e9; Zone12\r\n",
                        0),
              0u)
        << csv;
    ASSERT_EQ(Cli("report site.kvx -o site.html").exit, 0);
    EXPECT_NE(Read("site.html").find("<h2>Dock Door</h2>"), std::string::npos);
    // No display is needed for the PDF.
    const CProgramRun pdf = RunProgram("/usr/bin/env",
                                       "-u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM '" +
                                           std::string(CORV_CLI) + "' report site.kvx -o site.pdf",
                                       dir.Path());
    ASSERT_EQ(pdf.exit, 0) << pdf.err;
    EXPECT_EQ(Read("site.pdf").rfind("%PDF-", 0), 0u);

    const CProgramRun refused = Cli("report site.kvx -o site.txt");
    EXPECT_EQ(refused.exit, 1);
    EXPECT_EQ(refused.err,
              "corvantine-cli: site.txt: the report is written as .pdf, .html or .csv\n");
    EXPECT_FALSE(fs::exists(dir / "site.txt"));
}

} // namespace
