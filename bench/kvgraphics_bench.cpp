// The grid component's two heavy moments in the station view: showing a 10-button break-out
// station with every one of its 98 x 99 cells on, and repainting that grid whole.

// own
#include "platform/kvgraphics/graphics_dll.h"

// Qt
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

// benchmark
#include <benchmark/benchmark.h>

// std
#include <cstdio>

namespace {
constexpr int kType = 9;
constexpr int kRows = kType + 89;
constexpr int kZones = 99;

CGraphicsDll& Dll() {
    static CGraphicsDll dll;
    if (!dll.IsLoaded() && !dll.Load()) std::fprintf(stderr, "KV_Graphics.so did not load\n");
    return dll;
}

// A host that serves events and repaint requests as cheaply as a real one can.
KVLRESULT Host(KVHWND, uint32_t msg, KVWPARAM, KVLPARAM) {
    benchmark::DoNotOptimize(msg);
    return 0;
}

HSS NewGrid() {
    CGraphicsDll& dll = Dll();
    static int window = 0;
    HSS h = nullptr;
    dll.SSNew(&window, &h);
    dll.SSInitTable(h);
    for (int code : {0x406, 0x407, 0x417, 0x418, 0x415, 0x416, 0x402, 0x410, 0x403, 0x404, 0x405,
                     0x401, 0x414, 0x40b}) {
        dll.SSSetFireEvent(h, code, 1);
    }
    dll.SSSetDefWindowProc(h, &Host);
    dll.SSCallWindowProc(h, KV_WM_SIZE, 0, (800 << 16) | 1138);
    return h;
}

// The grid calls of showing the station, in the view's order.
void ShowStation(HSS h) {
    CGraphicsDll& dll = Dll();
    char text[16];
    dll.SSInitTable(h);
    dll.SSSetMaxRow(h, kRows);
    dll.SSSetAllowEditHeaders(h, 0);
    dll.SSSetAllowArrows(h, 1);
    dll.SSSetAllowTabs(h, 1);
    dll.SSSetAllowFormulas(h, 0);
    dll.SSSetShowFormulas(h, 0);
    dll.SSSetAllowMoveRange(h, 0);
    dll.SSSetFireEvent(h, 0x407, 1);
    dll.SSSetFireEvent(h, 0x403, 1);
    dll.SSSetAllowInCellEditing(h, 0);
    dll.SSSetAllowDelete(h, 0);
    dll.SSSetAllowResize(h, 0);
    dll.SSSetMaxCol(h, kZones);
    dll.SSSetDefaultFont(h, "Arial", 8);
    dll.SSSetSelection(h, 1, 1, kType, 99);
    dll.SSSetAlignment(h, 3, 0, 2, 0);
    dll.SSSetHdrSelection(h, 1, 1, 1);
    dll.SSSetAlignment(h, 3, 0, 2, 0);
    dll.SSSetHdrSelection(h, 0, 0, 0);
    dll.SSSetHdrWidth(h, 2048);
    for (int c = 1; c <= 99; ++c) {
        std::snprintf(text, sizeof text, "%2.2d", c);
        dll.SSSetColText(h, c, text);
        dll.SSSetColWidth(h, c, c, 750, 0);
    }
    for (int r = 1; r <= kType; ++r) {
        std::snprintf(text, sizeof text, "HB-%2.2d", r);
        dll.SSSetRowText(h, r, text);
    }
    for (int k = 0; k <= 88; ++k) {
        std::snprintf(text, sizeof text, "SB-%2.2d", 11 + k);
        dll.SSSetRowText(h, kType + 1 + k, text);
    }
    for (int r = 1; r <= kRows; ++r) {
        for (int c = 1; c <= kZones; ++c) {
            dll.SSSetActiveCell(h, r, c);
            dll.SSSetPattern(h, 1, 255, 16777215);
            dll.SSSetText(h, "On");
        }
    }
    dll.SSSetSelection(h, kType, 1, kType + 1, 99);
    dll.SSSetBorder(h, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0);
    dll.SSSetActiveCell(h, 1, 1);
}

void BM_ShowStationEveryCellOn(benchmark::State& state) {
    HSS h = NewGrid();
    for (auto _ : state)
        ShowStation(h);
    Dll().SSDelete(h, 0);
}
BENCHMARK(BM_ShowStationEveryCellOn)->Unit(benchmark::kMillisecond);

void BM_FullRepaintEveryCellOn(benchmark::State& state) {
    if (QGuiApplication::instance() == nullptr) {
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "bench_kvgraphics";
        static char* argv[] = {name, nullptr};
        new QGuiApplication(argc, argv);
    }
    HSS h = NewGrid();
    ShowStation(h);
    // The grid's part of a maximised station view on a 1280 x 1024 screen.
    QImage image(1138, 800, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        Dll().SSCallWindowProc(h, KV_WM_PAINT, 0, reinterpret_cast<KVLPARAM>(&painter));
    }
    Dll().SSDelete(h, 0);
}
BENCHMARK(BM_FullRepaintEveryCellOn)->Unit(benchmark::kMillisecond);
} // namespace
