// The editor's Print Preview of the largest configuration the controller holds: the time until
// its first page is painted, and until every page is laid out; the memory it leaves behind after
// it closes, as a counter.

// own
#include "report/ui/preview_pages.h"
#include "report/ui/report_preview_dlg.h"
#include "tests/support/sample_configs.h"
#include "tests/support/scripted_ui.h"

// Qt
#include <QApplication>
#include <QPrinter>

// std
#include <benchmark/benchmark.h>
#include <fstream>
#include <string>

namespace {
void EnsureApplication() {
    static int argc = 1;
    static char name[] = "bench_report_preview";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
}

ZoneReport LargestReport() {
    CScriptedUi ui;
    CKVDoc doc(ui);
    FillLargestConfig(doc);
    return BuildZoneReport(doc, "largest.kvx", "2026-12-07");
}

// The process's resident memory in MB.
double ResidentMb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024;
    return 0;
}

void BM_PreviewFirstPage(benchmark::State& state) {
    EnsureApplication();
    const ZoneReport report = LargestReport();
    QPrinter printer(QPrinter::HighResolution);
    for (auto _ : state) {
        CReportPreviewDlg dialog(report, printer);
        while (dialog.Pages().PagesShown() == 0)
            QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.Pages().grab(QRect(0, 0, 800, 1100)));
    }
}
BENCHMARK(BM_PreviewFirstPage)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_PreviewAllPages(benchmark::State& state) {
    EnsureApplication();
    const ZoneReport report = LargestReport();
    QPrinter printer(QPrinter::HighResolution);
    const double before = ResidentMb();
    for (auto _ : state) {
        CReportPreviewDlg dialog(report, printer);
        while (!dialog.Layout().Done())
            QApplication::processEvents();
        state.counters["pages"] = dialog.Layout().Pages();
        state.counters["open_MB"] = ResidentMb() - before;
    }
    state.counters["closed_MB"] = ResidentMb() - before;
}
BENCHMARK(BM_PreviewAllPages)->Iterations(1)->Unit(benchmark::kMillisecond);
} // namespace
