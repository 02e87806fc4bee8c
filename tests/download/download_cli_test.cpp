// corvantine-cli image and download, run as programs in a temporary folder, downloading to
// corvantine-sim with the settings stored in a private settings key.

#include "download/image_builder.h"
#include "platform/settings_key.h"
#include "tests/serial/xdg_scope.h"
#include "tests/sim/sim_process.h"
#include "tests/support/program_run.h"
#include "tests/support/scripted_ui.h"

#include <gtest/gtest.h>

#include <fstream>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;

std::string Slurp(const fs::path& path) {
    return ReadWholeFile(path);
}

using CliRun = CProgramRun;

class DownloadCliTest : public ::testing::Test {
protected:
    DownloadCliTest() {
        CKVDoc doc(ui);
        doc.OnNewDocument();
        doc.m_pStations[0]->SetType(10);
        doc.m_pStations[0]->m_Buttons[2].m_pZones = {CZone(4), CZone(40)};
        EXPECT_TRUE(doc.OnSaveDocument(Here("config.kvx")));
        BuildControllerImage(doc, expected, Here("expected.dat"));
        CSettingsKey key;
        key.WriteString("Timeout mS", "200");
        key.WriteString("Baud", "115200");
    }

    std::string Here(const std::string& name) const { return (xdg.Path() / name).string(); }

    // Runs the tool in the temporary folder with standard input from /dev/null.
    CliRun Cli(const std::string& args) { return RunProgram(CORV_CLI, args, xdg.Path()); }

    // The simulator at the stored rate, storing at once, so that the short time-out is enough.
    void StartSim(std::vector<std::string> args) {
        args.insert(args.begin(), {"--port", "COM4", "--baud", "115200", "--store-ms", "0"});
        sim = std::make_unique<CSimProcess>(args, xdg.Path() / "sim-errors.txt");
        ASSERT_EQ(sim->ReadyLine(), "ready COM4");
    }

    std::string ExpectedImage() const {
        return std::string(expected.Bytes().begin(), expected.Bytes().end());
    }

    CXdgScope xdg;
    CScriptedUi ui;
    ControllerImage expected;
    std::unique_ptr<CSimProcess> sim;
};

TEST_F(DownloadCliTest, ImageGoesToCorvantnDatInTheCurrentFolder) {
    const CliRun run = Cli("image config.kvx");
    EXPECT_EQ(run.exit, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(Slurp(Here("CORVANTN.DAT")), ExpectedImage());
}

TEST_F(DownloadCliTest, ImageGoesToTheNamedFileOnly) {
    const CliRun run = Cli("image config.kvx -o out.bin");
    EXPECT_EQ(run.exit, 0) << run.err;
    EXPECT_EQ(Slurp(Here("out.bin")), ExpectedImage());
    EXPECT_FALSE(fs::exists(Here("CORVANTN.DAT")));
}

TEST_F(DownloadCliTest, ImageOfAFileThatIsNoConfigurationWritesNothing) {
    std::ofstream(Here("bad.kvx")) << "not a configuration";
    const CliRun run = Cli("image bad.kvx");
    EXPECT_NE(run.exit, 0);
    EXPECT_NE(run.err, "");
    EXPECT_FALSE(fs::exists(Here("CORVANTN.DAT")));
}

TEST_F(DownloadCliTest, ImageThatCannotBeWrittenFailsWithItsReason) {
    const CliRun run = Cli("image config.kvx -o missing/out.bin");
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.err, "corvantine-cli: The controller image could not be written to "
                       "missing/out.bin: No such file or directory.\n");
}

TEST_F(DownloadCliTest, OfflineDownloadsNothingButBuildsTheImage) {
    const CliRun run = Cli("download config.kvx --yes");
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("OFFLINE"), std::string::npos) << run.err;
    EXPECT_EQ(Slurp(Here("CORVANTN.DAT")), ExpectedImage());
}

TEST_F(DownloadCliTest, WithoutYesAndWithoutATerminalTheDownloadIsRefused) {
    StartSim({});
    const CliRun run = Cli("download config.kvx --port COM4");
    EXPECT_EQ(run.exit, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.err.find("Do you wish to continue?"), std::string::npos) << run.err;
    EXPECT_EQ(sim->Errors().find("request"), std::string::npos) << sim->Errors();
}

TEST_F(DownloadCliTest, SuccessPrintsEveryStatusAndDeliversTheImage) {
    StartSim({"--out", Here("received.dat"), "--controller-version", "1.1:Sim"});
    const CliRun run = Cli("download config.kvx --port COM4 --yes");
    EXPECT_EQ(run.exit, 0) << run.err;
    EXPECT_EQ(run.out, "Initiating Communications with PA Controller\nGetting Version\nSim\n"
                       "Requesting Download\nDownloading\nDownload Successful\n");
    EXPECT_EQ(run.err, "") << "--yes answers the question without printing it";
    EXPECT_EQ(Slurp(Here("received.dat")), ExpectedImage());
    EXPECT_EQ(Slurp(Here("CORVANTN.DAT")), ExpectedImage());
}

TEST_F(DownloadCliTest, FailureIsPrintedAndFailsTheCommand) {
    StartSim({"--download", "55"});
    const CliRun run = Cli("download config.kvx --port COM4 --yes");
    EXPECT_EQ(run.exit, 1);
    EXPECT_NE(run.err.find("corvantine-cli: PA Controller Reports Download Failed.  Download "
                           "Aborted...\n"),
              std::string::npos)
        << run.err;
}

TEST_F(DownloadCliTest, StoredPortIsUsedWithoutPortOption) {
    CSettingsKey().WriteString("Port", "COM4");
    StartSim({"--silent"});
    const CliRun run = Cli("download config.kvx --yes");
    EXPECT_EQ(run.exit, 1);
    EXPECT_NE(run.err.find("Serial Message 'Getting Version': Timed out receiving response."),
              std::string::npos)
        << run.err;
}

TEST_F(DownloadCliTest, PortOptionKeepsTheStoredBaud) {
    // A rate outside the baud table makes the port fail to open.
    CSettingsKey().WriteString("Baud", "12345");
    StartSim({});
    const CliRun run = Cli("download config.kvx --port COM4 --yes");
    EXPECT_EQ(run.exit, 1);
    EXPECT_NE(run.err.find("Error: Opening serial port: The port is not open"), std::string::npos)
        << run.err;
}

TEST_F(DownloadCliTest, ControlCharactersFromTheLineAreNotPrinted) {
    // ESC, and 0x9D: the controller's text is Windows-1252, where 0x9D stands for U+009D.
    StartSim({"--controller-version", "1.1:\x1b[2Jwiped\x9d"});
    const CliRun run = Cli("download config.kvx --port COM4 --yes");
    EXPECT_EQ(run.exit, 0) << run.err;
    EXPECT_NE(run.out.find("\n\\x1b[2Jwiped\\xc2\\x9d\n"), std::string::npos) << run.out;
}

} // namespace
