// The largest configuration's controller image: packing it, and downloading it whole to
// corvantine-sim over a pseudo-terminal, the simulator taking and sending bytes at the line's
// rate. Both the wall time and the download's own CPU time (process time; the simulator runs in
// its own process and the waits for the line sleep) are compared with the time every byte of the
// conversation takes on the line, 11 bits a byte: 1,745 bytes a second at 19,200 baud.

#include "download/download_engine.h"
#include "download/image_builder.h"
#include "platform/serial_device_posix.h"
#include "serial/frame_codec.h"
#include "serial/line_time.h"
#include "tests/serial/xdg_scope.h"
#include "tests/sim/sim_process.h"
#include "tests/support/scripted_ui.h"
#include "tools/sim/controller_sim.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <ctime>
#include <string>

namespace {

// 47 stations of 48 buttons, every button in use paging all 99 zones, and 89 soft buttons with
// all zones and 16-character names: 32,301 bytes of image.
void FillLargest(CKVDoc& doc) {
    doc.OnNewDocument();
    doc.m_pStations.clear();
    std::vector<CZone> allZones;
    for (int z = 0; z < kMaxZones; ++z)
        allZones.emplace_back(z);
    for (int n = 0; n < 47; ++n) {
        auto station = std::make_unique<CStation>();
        station->SetType(48);
        station->SetPort(n % 16 + 1);
        station->SetAddress(n / 16 + 1);
        for (CBtn& button : station->m_Buttons)
            button.m_pZones = allZones;
        doc.m_pStations.push_back(std::move(station));
    }
    for (CBtn& button : doc.m_SoftButtons) {
        button.m_pZones = allZones;
        button.SetName("Soft button name");
    }
}

void PackLargestImage(benchmark::State& state) {
    CScriptedUi ui;
    CKVDoc doc(ui);
    FillLargest(doc);
    ControllerImage image;
    for (auto _ : state) {
        if (!PackControllerImage(doc, image).empty()) state.SkipWithError("refused");
        benchmark::DoNotOptimize(image.Bytes().data());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * image.Bytes().size()));
}

class CSilentProgress final : public CDownloadUi {
public:
    void ShowProgress() override {}
    void SetStatus(const std::string&) override {}
    void SetProgress(const DownloadProgress&) override {}
    bool PumpMessages() override { return true; }
    void SetCancelButtonText(const std::string&) override {}
    void WaitForClose() override {}
    void CloseProgress() override {}
};

double ProcessCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Every byte of the conversation on the line, both ways, escapes included.
double ConversationLineBytes(const ControllerImage& image) {
    std::vector<uint8_t> message{0x03};
    message.insert(message.end(), image.Bytes().begin(), image.Bytes().end());
    const std::string versionText = "PA Controller simulator";
    std::vector<uint8_t> version{0x01, 0x01, static_cast<uint8_t>(versionText.size())};
    for (char c : versionText)
        version.push_back(static_cast<uint8_t>(c));
    const size_t requests = 2 * EncodeFrame(AddressPrefix(0), std::vector<uint8_t>{0x01}).size();
    const size_t answers = ResponseFrame(0x01, version).size() + 2 * ResponseFrame(0x02, {0xAA}).size();
    return static_cast<double>(requests + answers + EncodeFrame(AddressPrefix(0), message).size());
}

// state.range(0) is the baud rate of both the port and the simulator.
void DownloadLargestImage(benchmark::State& state) {
    CScriptedUi ui;
    CKVDoc doc(ui);
    FillLargest(doc);
    ControllerImage image;
    PackControllerImage(doc, image);

    const auto baud = static_cast<uint32_t>(state.range(0));
    CXdgScope xdg;
    CSimProcess sim({"--port", "COM4", "--serve", "--baud", std::to_string(baud), "--store-ms", "0"},
                    xdg.Path() / "sim-errors.txt");
    if (sim.ReadyLine() != "ready COM4") {
        state.SkipWithError("the simulator did not start");
        return;
    }
    CPosixSerialDeviceHost host({xdg.Path() / "none", xdg.Path() / "none", xdg.Path() / "none"});
    CProgramSettings settings;
    settings.m_szPort = "COM4";
    settings.m_nBaud = static_cast<int32_t>(baud);
    CSilentProgress progress;

    double cpu = 0;
    double wall = 0;
    for (auto _ : state) {
        const double start = ProcessCpuSeconds();
        const auto wallStart = std::chrono::steady_clock::now();
        const DownloadOutcome outcome =
            DownloadToController(image, settings, ui, progress, {&host, &SystemClock()});
        wall += std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
        cpu += ProcessCpuSeconds() - start;
        if (outcome != DownloadOutcome::Succeeded) state.SkipWithError("download failed");
    }
    const double lineBytes = ConversationLineBytes(image);
    const double lineSeconds = lineBytes * kBitsPerByte / baud;
    const auto n = static_cast<double>(state.iterations());
    state.counters["line_bytes"] = lineBytes;
    state.counters["line_ms"] = lineSeconds * 1e3;
    state.counters["wall_over_line"] = wall / n / lineSeconds;
    state.counters["cpu_ms"] = cpu / n * 1e3;
    state.counters["cpu_percent_of_line"] = cpu / n / lineSeconds * 100.0;
}

} // namespace

BENCHMARK(PackLargestImage)->Unit(benchmark::kMicrosecond);
BENCHMARK(DownloadLargestImage)
    ->Arg(115200)
    ->Arg(19200)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(3);
