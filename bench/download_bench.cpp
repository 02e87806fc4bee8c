// The largest configuration's controller image: packing it, and downloading it whole to
// corvantine-sim over a pseudo-terminal. The download's own CPU time (process time; the simulator
// runs in its own process and the waits for the line sleep) is compared with the time its bytes
// take on the line at 19,200 baud, 1,920 bytes a second.

#include "download/download_engine.h"
#include "download/image_builder.h"
#include "platform/serial_device_posix.h"
#include "serial/frame_codec.h"
#include "tests/serial/xdg_scope.h"
#include "tests/sim/sim_process.h"
#include "tests/support/scripted_ui.h"

#include <benchmark/benchmark.h>

#include <ctime>

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

void DownloadLargestImage(benchmark::State& state) {
    CScriptedUi ui;
    CKVDoc doc(ui);
    FillLargest(doc);
    ControllerImage image;
    PackControllerImage(doc, image);

    CXdgScope xdg;
    CSimProcess sim({"--port", "COM4", "--serve"}, xdg.Path() / "sim-errors.txt");
    if (sim.ReadyLine() != "ready COM4") {
        state.SkipWithError("the simulator did not start");
        return;
    }
    CPosixSerialDeviceHost host({xdg.Path() / "none", xdg.Path() / "none", xdg.Path() / "none"});
    CProgramSettings settings;
    settings.m_szPort = "COM4";
    CSilentProgress progress;

    // Every byte the three frames put on the line, escapes included.
    std::vector<uint8_t> message{0x03};
    message.insert(message.end(), image.Bytes().begin(), image.Bytes().end());
    const double lineBytes =
        6.0 + static_cast<double>(EncodeFrame(AddressPrefix(0), message).size());

    double cpu = 0;
    for (auto _ : state) {
        const double start = ProcessCpuSeconds();
        const DownloadOutcome outcome =
            DownloadToController(image, settings, ui, progress, {&host, &SystemClock()});
        cpu += ProcessCpuSeconds() - start;
        if (outcome != DownloadOutcome::Succeeded) state.SkipWithError("download failed");
    }
    const double lineSeconds = lineBytes / 1920.0;
    const auto n = static_cast<double>(state.iterations());
    state.counters["line_bytes"] = lineBytes;
    state.counters["cpu_ms"] = cpu / n * 1e3;
    state.counters["line_ms_at_19200"] = lineSeconds * 1e3;
    state.counters["cpu_percent_of_line"] = cpu / n / lineSeconds * 100.0;
}

} // namespace

BENCHMARK(PackLargestImage)->Unit(benchmark::kMicrosecond);
BENCHMARK(DownloadLargestImage)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(10);
