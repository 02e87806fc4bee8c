// The editor's Print Preview of the largest configuration: the time until its first page can be
// shown.

// own
#include "report/qt/report_pages.h"
#include "tests/support/sample_configs.h"
#include "tests/support/scripted_ui.h"

// Qt
#include <QApplication>
#include <QPrintPreviewWidget>
#include <QPrinter>

// std
#include <benchmark/benchmark.h>

namespace {
void EnsureApplication() {
    static int argc = 1;
    static char name[] = "bench_report_preview";
    static char* argv[] = {name, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);
}

void BM_PreviewFirstPage(benchmark::State& state) {
    EnsureApplication();
    CScriptedUi ui;
    CKVDoc doc(ui);
    FillLargestConfig(doc);
    const ZoneReport report = BuildZoneReport(doc, "largest.kvx", "2026-12-07");
    QPrinter printer(QPrinter::HighResolution);
    for (auto _ : state) {
        QPrintPreviewWidget preview(&printer);
        QObject::connect(&preview, &QPrintPreviewWidget::paintRequested,
                         [&](QPrinter* p) { PaintZoneReport(report, *p); });
        preview.updatePreview();
        benchmark::DoNotOptimize(preview.pageCount());
    }
}
BENCHMARK(BM_PreviewFirstPage)->Iterations(1)->Unit(benchmark::kMillisecond);
} // namespace
