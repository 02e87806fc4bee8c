#pragma once
// A grid instance driven through the component's C entry points alone, with a procedure that
// records every event, repaint request and passed-on message. The layout helpers use the
// documented units: header 2048 and columns 750 at "Arial" 8 give a 64-pixel row header,
// 23-pixel columns and 19-pixel rows.

// own
#include "kvgraphics/graphics_dll.h"

// Qt
#include <QImage>

// gtest
#include <gtest/gtest.h>

// std
#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class CGridFixture : public ::testing::Test {
protected:
    static constexpr int kHeaderWidth = 64;
    static constexpr int kColWidth = 23;
    static constexpr int kRowHeight = 19;
    static constexpr int kWidth = 400;
    static constexpr int kHeight = 300;
    static constexpr int kBar = 16;
    // Whole rows between the column header and the horizontal scroll bar at kHeight.
    static constexpr int kPageRows = (kHeight - kBar - kRowHeight) / kRowHeight;

    struct CEvent {
        uint32_t code;
        std::array<int32_t, 4> values;
    };

    static CGraphicsDll& Dll();
    void SetUp() override;
    void TearDown() override;

    // rows x cols with the widths above, a kWidth x kHeight window and every event on.
    void Layout(int32_t rows, int32_t cols);
    void FireAll();

    KVLRESULT Send(uint32_t msg, KVWPARAM wParam = 0, KVLPARAM lParam = 0);
    static KVLPARAM Point(int x, int y);
    int CellX(int32_t col) const { return kHeaderWidth + (col - 1) * kColWidth + kColWidth / 2; }
    int CellY(int32_t row) const { return kRowHeight + (row - 1) * kRowHeight + kRowHeight / 2; }
    void Press(int x, int y);
    void Drag(int x, int y);
    void Release(int x, int y);
    void Click(int x, int y);
    void Key(uint32_t key, bool shift = false, bool ctrl = false);
    std::array<int32_t, 4> Selection();
    std::array<int32_t, 2> Active();
    // Fills the active cell as the station view marks a zone that is on.
    void MarkOn(int32_t row, int32_t col);
    QImage Paint();

    std::vector<CEvent> EventsOf(uint32_t code) const;

    CGraphicsDll& dll = Dll();
    HSS h = nullptr;
    std::vector<CEvent> events;
    std::vector<uint32_t> passedOn;
    std::vector<std::optional<KVRect>> repaints;
    // Called inside the procedure for every event, after it is recorded.
    std::function<void(const CEvent&)> onEvent;
    // The procedure's answer to messages passed on.
    KVLRESULT passedOnResult = 0;

private:
    static KVLRESULT Proc(KVHWND hWnd, uint32_t msg, KVWPARAM wParam, KVLPARAM lParam);
};
