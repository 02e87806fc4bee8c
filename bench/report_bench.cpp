// The zone report of the largest configuration the controller holds (47 stations of 48 buttons,
// every button paging all 99 zones), as HTML and as PDF pages, and the PDF of the first n
// stations, which shows how the page layout grows with the report. Then its Print Preview: the
// time until the first page is painted, and until every page is laid out; the memory it leaves
// behind after it closes, as a counter.

// own
#include "report/qt/report_pages.h"
#include "report/report_forms.h"
#include "report/ui/preview_pages.h"
#include "report/ui/report_preview_dlg.h"
#include "tests/support/sample_configs.h"
#include "tests/support/scripted_ui.h"

// Qt
#include <QApplication>
#include <QPrinter>

// std
#include <algorithm>
#include <benchmark/benchmark.h>
#include <fstream>
#include <string>

namespace {
// Fonts, PDF pages and the preview's widgets need an application object, not a display.
void EnsureApplication() {
    static int argc = 1;
    static char name[] = "bench_report";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
}

ZoneReport LargestReport(std::size_t stations) {
    CScriptedUi ui;
    CKVDoc doc(ui);
    FillLargestConfig(doc);
    doc.m_pStations.resize(std::min(stations, doc.m_pStations.size()));
    return BuildZoneReport(doc, "largest.kvx", "2026-12-07");
}

void BM_ReportHtml(benchmark::State& state) {
    const ZoneReport report = LargestReport(47);
    for (auto _ : state)
        benchmark::DoNotOptimize(ZoneReportHtml(report));
}
BENCHMARK(BM_ReportHtml)->Unit(benchmark::kMillisecond);

void BM_ReportPdf(benchmark::State& state) {
    EnsureApplication();
    const ZoneReport report = LargestReport(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state)
        benchmark::DoNotOptimize(ZoneReportPdf(report, DefaultReportPage()));
}
BENCHMARK(BM_ReportPdf)->Arg(3)->Arg(12)->Arg(47)->Iterations(1)->Unit(benchmark::kMillisecond);

// The process's resident memory in MB.
double ResidentMb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::stod(line.substr(6)) / 1024;
    return 0;
}

void BM_PreviewFirstPage(benchmark::State& state) {
    EnsureApplication();
    const ZoneReport report = LargestReport(47);
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
    const ZoneReport report = LargestReport(47);
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
