// Open and save of the largest configuration: 47 stations of 48 buttons, all 99 zones on every
// button and soft button, every text at its longest.

// own
#include "files/recovery_store.h"
#include "model/kv_doc.h"
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_dir.h"

// std
#include <benchmark/benchmark.h>

namespace {
void FillLargest(CKVDoc& doc) {
    doc.OnNewDocument();
    doc.m_pStations.clear();
    for (int i = 0; i < 47; ++i) {
        auto s = std::make_unique<CStation>();
        s->SetType(48);
        s->SetName(std::string(kMaxStationName, 'S'));
        for (CBtn& b : s->m_Buttons) {
            b.SetName(std::string(kMaxButtonName, 'B'));
            for (int z = 0; z < kMaxZones; ++z)
                b.ToggleZone(z);
        }
        doc.m_pStations.push_back(std::move(s));
    }
    for (CBtn& b : doc.m_SoftButtons) {
        b.SetName(std::string(kMaxButtonName, 'b'));
        for (int z = 0; z < kMaxZones; ++z)
            b.ToggleZone(z);
    }
}

void WriteToMemory(benchmark::State& state) {
    CScriptedUi ui;
    CKVDoc doc(ui);
    FillLargest(doc);
    for (auto _ : state) {
        std::vector<uint8_t> bytes;
        doc.WriteConfigFile(bytes);
        benchmark::DoNotOptimize(bytes.data());
    }
}

// The largest configuration as its file holds it.
std::vector<uint8_t> LargestFile() {
    CScriptedUi ui;
    CKVDoc source(ui);
    FillLargest(source);
    std::vector<uint8_t> bytes;
    source.WriteConfigFile(bytes);
    return bytes;
}

void ReadFromMemory(benchmark::State& state) {
    CScriptedUi ui;
    const std::vector<uint8_t> bytes = LargestFile();
    state.counters["bytes"] = static_cast<double>(bytes.size());
    for (auto _ : state) {
        CKVDoc doc(ui);
        benchmark::DoNotOptimize(doc.ReadConfigFile(bytes));
    }
}

// The largest configuration and a file of it in a temporary folder.
struct LargestOnDisk {
    LargestOnDisk() {
        FillLargest(doc);
        doc.OnSaveDocument(path);
    }
    CScriptedUi ui;
    CKVDoc doc{ui};
    CTempDir dir;
    std::string path = dir / "largest.kvx";
};

// The whole save: temporary file, write, fsync, rename, folder fsync.
void SaveDocument(benchmark::State& state) {
    LargestOnDisk largest;
    for (auto _ : state)
        benchmark::DoNotOptimize(largest.doc.OnSaveDocument(largest.path));
}

void OpenDocument(benchmark::State& state) {
    LargestOnDisk largest;
    for (auto _ : state) {
        CKVDoc doc(largest.ui);
        benchmark::DoNotOptimize(doc.OnOpenDocument(largest.path));
    }
}

// The file work of one recovery copy of the largest configuration (its note, then the copy, each
// synced), which runs on the event loop a few seconds after a change.
void WriteRecoveryCopy(benchmark::State& state) {
    const std::vector<uint8_t> bytes = LargestFile();
    CTempDir dir;
    CRecoveryStore store((dir / "recovery").string());
    const std::string slot = store.NewSlot();
    for (auto _ : state)
        benchmark::DoNotOptimize(store.Write(slot, bytes, {"/srv/site.kvx", "site.kvx", 0, 1}));
    store.Remove(slot);
}

} // namespace

BENCHMARK(WriteToMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadFromMemory)->Unit(benchmark::kMillisecond);
BENCHMARK(SaveDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(OpenDocument)->Unit(benchmark::kMillisecond);
BENCHMARK(WriteRecoveryCopy)->Unit(benchmark::kMillisecond);
