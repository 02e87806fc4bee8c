// Whole downloads against the simulator taking and sending bytes at the line's rate, at the rates
// and time-outs installers use: the image takes longer on the line than the response time-out,
// and the controller answers only once it has stored the image.

#include "download/download_engine.h"
#include "download/image_builder.h"
#include "platform/serial_device_posix.h"
#include "tests/download/scripted_download_ui.h"
#include "tests/serial/xdg_scope.h"
#include "tests/sim/sim_process.h"
#include "tests/support/program_run.h"
#include "tests/support/scripted_ui.h"

#include <gtest/gtest.h>

#include <string>

namespace {

namespace fs = std::filesystem;

struct PacedCase {
    uint32_t nBaud;
    int nTimeoutMs;
    size_t nImageAtLeast; // bytes
};

// A new document's image (2.6 KB), or one grown by stations whose buttons page many zones.
void FillTo(CKVDoc& doc, size_t bytes) {
    doc.OnNewDocument();
    ControllerImage image;
    for (int n = 0; PackControllerImage(doc, image).empty() && image.Bytes().size() < bytes; ++n) {
        auto station = std::make_unique<CStation>();
        station->SetType(48);
        station->SetPort(n % 16 + 1);
        station->SetAddress(n / 16 + 2);
        for (CBtn& button : station->m_Buttons)
            for (int zone = 0; zone < 40; zone += 3)
                button.m_pZones.emplace_back(zone);
        doc.m_pStations.push_back(std::move(station));
    }
}

class PacedDownload : public ::testing::TestWithParam<PacedCase> {};

TEST_P(PacedDownload, StoresTheImageByteForByte) {
    const PacedCase& param = GetParam();
    CXdgScope xdg;
    CScriptedUi ui;
    CKVDoc doc(ui);
    FillTo(doc, param.nImageAtLeast);
    ControllerImage image;
    const fs::path built = xdg.Path() / "CORVANTN.DAT";
    ASSERT_EQ(BuildControllerImage(doc, image, built.string()), ImageBuild::Built);
    ASSERT_GE(image.Bytes().size(), param.nImageAtLeast);

    const fs::path received = xdg.Path() / "received.dat";
    // A controller stores in its own time; the simulator shares this machine's. Its store takes a
    // tenth of the time-out, so that a busy machine's scheduling cannot use up the rest.
    CSimProcess sim({"--port", "COM4", "--baud", std::to_string(param.nBaud), "--store-ms",
                     std::to_string(param.nTimeoutMs / 10), "--out", received.string()},
                    xdg.Path() / "sim-errors.txt");
    ASSERT_EQ(sim.ReadyLine(), "ready COM4");
    CPosixSerialDeviceHost host({xdg.Path() / "none", xdg.Path() / "none", xdg.Path() / "none"});
    CProgramSettings settings;
    settings.m_szPort = "COM4";
    settings.m_nBaud = static_cast<int32_t>(param.nBaud);
    settings.m_nTimeoutMs = param.nTimeoutMs;
    CScriptedDownloadUi progress;

    EXPECT_EQ(DownloadToController(image, settings, ui, progress, {&host, &SystemClock()}),
              DownloadOutcome::Succeeded)
        << (ui.Texts().empty() ? "" : ui.Texts().back());
    EXPECT_EQ(sim.Wait(), 0) << sim.Errors();
    EXPECT_EQ(ReadWholeFile(received), ReadWholeFile(built));
}

// Few and short: the slow rates with a new document's image, the large image at the fast rate.
INSTANTIATE_TEST_SUITE_P(Line, PacedDownload,
                         ::testing::Values(PacedCase{9600, 500, 2500}, PacedCase{9600, 3000, 2500},
                                           PacedCase{19200, 1000, 2500},
                                           PacedCase{115200, 500, 10000},
                                           PacedCase{115200, 1000, 10000},
                                           PacedCase{115200, 3000, 10000}));

} // namespace
