// corvantine-cli's JSON input: the largest configuration the editor can hold read and applied,
// the shapes the parse bounds refuse (one object of 200,000 keys, 2,100,000 values), and one
// array of soft buttons as long as the 16 MB cap allows, which import refuses by its length; each
// in a file as import reads it.

// own
#include "tests/support/scripted_ui.h"
#include "tests/support/temp_dir.h"
#include "tools/cli/config_json.h"
#include "tools/cli/input_file.h"
#include "tools/cli/json_input.h"

// std
#include <benchmark/benchmark.h>
#include <fstream>
#include <iostream>
#include <sstream>

namespace {
// 240 stations of 48 buttons, every button paging all 99 zones: about 1,150,000 values.
std::string LargestConfiguration() {
    nlohmann::ordered_json stations = nlohmann::ordered_json::array();
    nlohmann::ordered_json zones = nlohmann::ordered_json::array();
    for (int zone = 1; zone <= kMaxZones; ++zone)
        zones.push_back(zone);
    for (int i = 0; i < 240; ++i) {
        nlohmann::ordered_json buttons = nlohmann::ordered_json::array();
        for (int n = 0; n < 48; ++n)
            buttons.push_back({{"zones", zones}});
        stations.push_back(
            {{"type", 48}, {"port", i / 15 + 1}, {"address", i % 15 + 1}, {"buttons", buttons}});
    }
    return nlohmann::ordered_json{{"stations", stations}}.dump();
}

std::string ManyKeys() {
    std::string keys = "{";
    for (int i = 0; i < 200000; ++i)
        keys += (i ? ",\"k" : "\"k") + std::to_string(i) + "\":0";
    return keys + "}";
}

std::string ManyValues() {
    std::string values = "[0";
    for (int i = 1; i < 2100000; ++i)
        values += ",0";
    return values + "]";
}

// About 400,000 soft button objects, just under the 16 MB cap.
std::string LongestArray() {
    const std::string button = R"({"name":"Soft button","zones":[1,2,3]})";
    std::string json = R"({"stations":[{}],"softButtons":[)" + button;
    while (json.size() + button.size() + 3 < static_cast<std::size_t>(kMaxInputBytes))
        json += "," + button;
    return json + "]}";
}

void ReadFile(benchmark::State& state, const std::string& json, bool apply) {
    CTempDir dir;
    const std::string path = (dir / "in.json").string();
    std::ofstream(path, std::ios::binary) << json;
    // Refusals are expected here; their lines would only clutter the results.
    std::ostringstream discarded;
    auto* previous = std::cerr.rdbuf(discarded.rdbuf());
    for (auto _ : state) {
        CCliContext context;
        auto read = ReadJsonInput(context, path);
        if (apply && read) {
            CScriptedUi ui;
            CKVDoc doc(ui);
            doc.OnNewDocument();
            benchmark::DoNotOptimize(ConfigFromJson(*read, doc));
        }
        benchmark::DoNotOptimize(read);
        discarded.str({});
    }
    std::cerr.rdbuf(previous);
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * json.size()));
}

void ImportLargestConfiguration(benchmark::State& state) {
    ReadFile(state, LargestConfiguration(), true);
}
void RefuseManyKeys(benchmark::State& state) {
    ReadFile(state, ManyKeys(), false);
}
void RefuseManyValues(benchmark::State& state) {
    ReadFile(state, ManyValues(), false);
}
void RefuseLongestArray(benchmark::State& state) {
    ReadFile(state, LongestArray(), true);
}
} // namespace

BENCHMARK(ImportLargestConfiguration)->Unit(benchmark::kMillisecond);
BENCHMARK(RefuseManyKeys)->Unit(benchmark::kMillisecond);
BENCHMARK(RefuseManyValues)->Unit(benchmark::kMillisecond);
BENCHMARK(RefuseLongestArray)->Unit(benchmark::kMillisecond);
