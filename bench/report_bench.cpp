// The zone report of the largest configuration the controller holds (47 stations of 48 buttons,
// every button paging all 99 zones), as HTML and as PDF pages, and the PDF of the first n
// stations, which shows how the page layout grows with the report.

// own
#include "report/qt/report_pages.h"
#include "report/report_forms.h"
#include "tests/support/sample_configs.h"
#include "tests/support/scripted_ui.h"

// Qt
#include <QGuiApplication>

// std
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {
// Fonts and PDF pages need a QGuiApplication, not a display.
void EnsureApplication() {
    static int argc = 1;
    static char name[] = "bench_report";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(argc, argv);
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
} // namespace
