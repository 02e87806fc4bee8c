// The station view's heaviest moments on the real grid component, headless: showing a 10-button
// break-out with every zone on (98 rows by 99 columns), switching a whole zone column, and one full
// repaint of the grid.

// own
#include "tests/support/station_view_harness.h"

// Qt
#include <QtGlobal>

// benchmark
#include <benchmark/benchmark.h>

namespace {
// A document whose first station is a 10-button break-out with every zone on, every button
// soft ones included, shown in its view.
struct CFullStation {
    CFullStation() {
        doc.m_pStations[0]->SetType(9);
        for (int j = 0; j < 9; ++j)
            FillZones(doc.m_pStations[0]->m_Buttons[j]);
        for (CBtn& soft : doc.m_SoftButtons)
            FillZones(soft);
        CStationViewHarness::ResizeView(view, {1000, 650});
        view.ShowStation(0);
    }
    static void FillZones(CBtn& button) {
        button.m_pZones.clear();
        for (int z = 0; z < kMaxZones; ++z)
            button.m_pZones.emplace_back(z);
    }

    CStationViewHarness harness;
    CKVDoc& doc = harness.NewDocument();
    CStationView& view = CStationViewHarness::ViewOf(doc);
};

void Offscreen() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
}

void BM_ShowStationEveryZoneOn(benchmark::State& state) {
    Offscreen();
    CFullStation full;
    for (auto _ : state)
        full.view.ShowStation(0);
}
BENCHMARK(BM_ShowStationEveryZoneOn)->Unit(benchmark::kMillisecond);

void BM_ToggleWholeColumn(benchmark::State& state) {
    Offscreen();
    CFullStation full;
    CStationGrid& grid = full.view.m_Grid;
    for (auto _ : state) {
        grid.GetDll().SSSetSelection(grid.m_hGrid, 1, 50, KV_ALL_ROWS, 50);
        grid.OnGridEvent417(0, 0);
    }
}
BENCHMARK(BM_ToggleWholeColumn)->Unit(benchmark::kMillisecond);

void BM_RepaintGrid(benchmark::State& state) {
    Offscreen();
    CFullStation full;
    for (auto _ : state)
        full.view.m_Grid.repaint();
}
BENCHMARK(BM_RepaintGrid)->Unit(benchmark::kMillisecond);
} // namespace
