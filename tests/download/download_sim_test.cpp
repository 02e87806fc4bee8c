// The Download Config command end to end against corvantine-sim on a pseudo-terminal linked as
// COM4 in a private ports folder: the image is built into CORVANTN.DAT in the current folder, then
// the real conversation runs over the line with a short time-out.

#include "download/download_config.h"
#include "platform/serial_device_posix.h"
#include "tests/download/scripted_download_ui.h"
#include "tests/serial/xdg_scope.h"
#include "tests/sim/sim_process.h"
#include "tests/support/add_station.h"
#include "tests/support/scripted_ui.h"

#include <gtest/gtest.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<uint8_t>;
using Texts = std::vector<std::string>;

Bytes ReadFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

// Makes a folder the current one for the lifetime of the object.
class CCurrentFolder {
public:
    explicit CCurrentFolder(const fs::path& folder) : m_previous(fs::current_path()) {
        fs::current_path(folder);
    }
    ~CCurrentFolder() { fs::current_path(m_previous); }

private:
    fs::path m_previous;
};

class DownloadSimTest : public ::testing::Test {
protected:
    DownloadSimTest() {
        doc.OnNewDocument();
        doc.m_pStations[0]->m_Buttons[0].m_pZones = {CZone(0), CZone(1)};
        settings.m_szPort = "COM4";
        settings.m_nTimeoutMs = 200;
        settings.m_nBaud = 115200;
    }

    // Starts the simulator as COM4 with these options and waits until it is ready. It runs at the
    // fastest rate and stores at once, so that the short time-out is enough.
    void StartSim(std::vector<std::string> args) {
        args.insert(args.begin(), {"--port", "COM4", "--baud", "115200", "--store-ms", "0"});
        sim = std::make_unique<CSimProcess>(args, xdg.Path() / "sim-errors.txt");
        ASSERT_EQ(sim->ReadyLine(), "ready COM4");
    }

    DownloadOutcome Download() {
        CCurrentFolder here(xdg.Path());
        return OnDownloadConfig(doc, settings, ui, progress, {&host, &SystemClock()});
    }
    // The messages after the confirmation.
    Texts Reported() const {
        Texts texts = ui.Texts();
        if (!texts.empty()) texts.erase(texts.begin());
        return texts;
    }
    fs::path ImageFile() const { return xdg.Path() / "CORVANTN.DAT"; }

    CXdgScope xdg;
    // Only the simulator's link names a port; no device of the machine is picked up.
    CPosixSerialDeviceHost host{{xdg.Path() / "none", xdg.Path() / "none", xdg.Path() / "none"}};
    std::unique_ptr<CSimProcess> sim;
    CScriptedUi ui;
    CKVDoc doc{ui};
    CProgramSettings settings;
    CScriptedDownloadUi progress;
};

TEST_F(DownloadSimTest, OfflineShowsNothingButLeavesAFreshImageFile) {
    settings.m_szPort = "OFFLINE";
    std::ofstream(ImageFile()) << "stale";
    EXPECT_EQ(Download(), DownloadOutcome::NotStarted);
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(progress.nShown, 0);
    EXPECT_EQ(ReadFile(ImageFile()).size(), 2597u + 8 + 4 * 13);
}

TEST_F(DownloadSimTest, NoLeavesTheControllerUntouchedAndTheImageFileFresh) {
    StartSim({});
    ui.answers = {MsgAnswer::No};
    EXPECT_EQ(Download(), DownloadOutcome::Declined);
    EXPECT_EQ(ui.messages.size(), 1u);
    EXPECT_TRUE(fs::exists(ImageFile()));
    EXPECT_EQ(sim->Errors().find("request"), std::string::npos) << sim->Errors();
}

TEST_F(DownloadSimTest, PortThatFailsToOpenShowsOnlyTheError) {
    EXPECT_EQ(Download(), DownloadOutcome::PortNotOpened);
    EXPECT_EQ(Reported(), Texts{"Error: Opening serial port: The port is not open"});
    EXPECT_EQ(progress.nClosed, 1);
}

TEST_F(DownloadSimTest, SuccessDeliversTheImageFileByteForByte) {
    const fs::path received = xdg.Path() / "received.dat";
    // Serving, the simulator stays when the port is closed, so the test can open it itself.
    StartSim({"--out", received.string(), "--controller-version", "1.1:Sim", "--serve"});
    // Every other kind of station, so that the simulator checks every layout an image can have.
    int address = 1;
    for (int type : {10, 48, 3, 9, 47})
        AddStation(doc, "Type" + std::to_string(type), type, 2, address++);
    int probeResult = -1;
    progress.onButtonText = [&] {
        CSerialPort probe({&host, &SystemClock()});
        probeResult = probe.Open("COM4", 19200);
    };
    EXPECT_EQ(Download(), DownloadOutcome::Succeeded);
    EXPECT_EQ(Reported(), Texts{});
    EXPECT_EQ(progress.statuses,
              (Texts{"Initiating Communications with PA Controller", "Getting Version", "Sim",
                     "Requesting Download", "Downloading", "Download Successful"}));
    EXPECT_EQ(progress.buttonText, "Close");
    EXPECT_EQ(probeResult, SERIAL_OK) << "the port is closed before Close is offered";
    EXPECT_EQ(ReadFile(received), ReadFile(ImageFile()));
    EXPECT_NE(sim->Errors().find("correct"), std::string::npos) << sim->Errors();
    EXPECT_NE(sim->Errors().find("length field agrees"), std::string::npos) << sim->Errors();
}

TEST_F(DownloadSimTest, VersionOneZeroWarnsAndStillDownloads) {
    StartSim({"--controller-version", "1.0"});
    EXPECT_EQ(Download(), DownloadOutcome::Succeeded);
    ASSERT_EQ(Reported().size(), 1u);
    EXPECT_EQ(Reported()[0].substr(0, 39), "This version of PA Controller (1.0) doe");
}

TEST_F(DownloadSimTest, VersionsOneOneAndZeroNinePassSilently) {
    for (const char* version : {"1.1", "0.9"}) {
        ui.messages.clear();
        StartSim({"--controller-version", version});
        EXPECT_EQ(Download(), DownloadOutcome::Succeeded) << version;
        EXPECT_EQ(Reported(), Texts{}) << version;
        sim->Wait();
    }
}

TEST_F(DownloadSimTest, VersionOneTwoIsRefused) {
    StartSim({"--controller-version", "1.2"});
    EXPECT_EQ(Download(), DownloadOutcome::Failed);
    EXPECT_EQ(Reported(),
              Texts{"This Version of PA Controller (1.2) is newer than this software can "
                    "handle.\n\nPlease upgrade your software to the latest version!"});
    EXPECT_EQ(sim->Errors().find("download request"), std::string::npos) << sim->Errors();
}

TEST_F(DownloadSimTest, ShortVersionResponseIsInvalid) {
    StartSim({"--short-version"});
    EXPECT_EQ(Download(), DownloadOutcome::Failed);
    EXPECT_EQ(Reported(), Texts{"Serial Message 'Getting Version': Response was invalid"});
}

TEST_F(DownloadSimTest, DeniedRequestSendsNoImage) {
    const fs::path received = xdg.Path() / "received.dat";
    StartSim({"--request", "55", "--out", received.string()});
    EXPECT_EQ(Download(), DownloadOutcome::Failed);
    EXPECT_EQ(Reported(), Texts{"Download Request denied by PA Controller.  Download Aborted."});
    EXPECT_EQ(sim->Wait(), 0);
    EXPECT_FALSE(fs::exists(received));
}

TEST_F(DownloadSimTest, FailedDownloadIsReported) {
    StartSim({"--download", "55"});
    EXPECT_EQ(Download(), DownloadOutcome::Failed);
    EXPECT_EQ(Reported(), Texts{"PA Controller Reports Download Failed.  Download Aborted..."});
}

TEST_F(DownloadSimTest, UnknownCodesAreUnknownResponses) {
    StartSim({"--request", "41"});
    EXPECT_EQ(Download(), DownloadOutcome::Failed);
    sim->Wait();
    StartSim({"--download", "00"});
    EXPECT_EQ(Download(), DownloadOutcome::Failed);
    EXPECT_EQ(ui.Texts().at(1), "Serial Message 'Download Request': Error, unknown response.  "
                                "Aborting download...");
    EXPECT_EQ(ui.Texts().at(3),
              "Serial Message 'Download': Error, unknown response.  Aborting download...");
}

TEST_F(DownloadSimTest, SilentControllerTimesOutOnce) {
    StartSim({"--silent"});
    EXPECT_EQ(Download(), DownloadOutcome::Failed);
    EXPECT_EQ(Reported(), Texts{"Serial Message 'Getting Version': Timed out receiving "
                                "response.  Aborting download..."});
}

TEST_F(DownloadSimTest, CancelWhileWaitingEndsWithoutAMessage) {
    StartSim({"--silent"});
    const auto start = std::chrono::steady_clock::now();
    progress.cancelWhen = [&] {
        return std::chrono::steady_clock::now() - start > std::chrono::milliseconds(50);
    };
    EXPECT_EQ(Download(), DownloadOutcome::Cancelled);
    EXPECT_EQ(Reported(), Texts{});
    EXPECT_EQ(progress.nClosed, 1);
}

TEST_F(DownloadSimTest, HangUpInTheImageEndsWithAMessageAndFreesTheName) {
    // The largest image, so that the line is lost while it is still being written.
    for (int n = 1; n < 47; ++n)
        doc.m_pStations.push_back(std::make_unique<CStation>());
    for (auto& station : doc.m_pStations)
        station->SetType(48);
    StartSim({"--hangup-after", "1000"});
    EXPECT_EQ(Download(), DownloadOutcome::Failed);
    const Texts texts = Reported();
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_TRUE(texts[0] == "Serial Message 'Download': Hardware error transmitting message.  "
                            "Aborting download..." ||
                texts[0] == "Serial Message 'Download': Hardware error receiving response.  "
                            "Aborting download...")
        << texts[0];
    EXPECT_EQ(sim->Wait(), 0);

    ui.messages.clear();
    StartSim({});
    EXPECT_EQ(Download(), DownloadOutcome::Succeeded);
    EXPECT_EQ(Reported(), Texts{});
}

// A line that chatters, or a controller that dribbles its answer a byte at a time within the
// time-out, ends the step with its time-out message once the response's bound has passed
// (200 ms plus twice the longest response's 50 ms at 115,200 baud), not never.
class DownloadSimBoundTest : public DownloadSimTest,
                             public ::testing::WithParamInterface<std::vector<std::string>> {};

TEST_P(DownloadSimBoundTest, EndsGettingVersionWithItsTimeOutMessage) {
    StartSim(GetParam());
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(Download(), DownloadOutcome::Failed);
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(Reported(), Texts{"Serial Message 'Getting Version': Timed out receiving "
                                "response.  Aborting download..."});
}

INSTANTIATE_TEST_SUITE_P(Lines, DownloadSimBoundTest,
                         ::testing::Values(std::vector<std::string>{"--noise"},
                                           std::vector<std::string>{"--dribble-ms", "100"}));

} // namespace
