// The editor's start-up, in-process and headless: from the application object's construction
// (grid component, settings, frame with menus and bars) to its frame shown on the screen, and
// the same with a configuration file named on the command line. Ended with the program's exit
// (placement stored) after each run.

#include "app/kv_app.h"
#include "app/kv_frame.h"
#include "tests/serial/xdg_scope.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

void StartUp(benchmark::State& state, const std::vector<std::string>& args) {
    for (auto _ : state) {
        CKVApp app;
        if (!app.InitInstance(args) || !QTest::qWaitForWindowExposed(app.m_pMainWnd.get())) {
            state.SkipWithError("the editor did not start");
            return;
        }
        state.PauseTiming();
        app.ExitInstance();
        state.ResumeTiming();
    }
}

void BM_StartUpToShownFrame(benchmark::State& state) {
    const CXdgScope xdg;
    StartUp(state, {});
}
BENCHMARK(BM_StartUpToShownFrame)->Unit(benchmark::kMillisecond);

void BM_StartUpWithAFileToShownFrame(benchmark::State& state) {
    const CXdgScope xdg;
    const std::filesystem::path file = xdg.Path() / "config.kvx";
    std::filesystem::copy_file(
        std::filesystem::path(CORV_SOURCE_DIR) / "tests/data/new_document/config.kvx", file);
    StartUp(state, {file.string()});
}
BENCHMARK(BM_StartUpWithAFileToShownFrame)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    // Headless unless told otherwise, as in CI and over ssh.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The application object ends with main, before the program's static objects (Qt's own
    // among them) are destroyed; as a static itself it outlived them and crashed the exit.
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
