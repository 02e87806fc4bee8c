#pragma once
// Station views in the harness, with gestures on the grid and the list and a look at the cells
// as they are painted.

// own
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/station_view_harness.h"

// Qt
#include <QString>

// gtest
#include <gtest/gtest.h>

// std
#include <ostream>
#include <vector>

void PrintTo(const QString& text, std::ostream* os);

class StationViewTest : public ::testing::Test {
protected:
    // `editing` (may be null) serves the views' station commands; it is only kept until then.
    explicit StationViewTest(CStationEditing* editing = nullptr) : harness(editing) {}

    // A new document whose first station is made a station of `type`, shown in its view at
    // 800 x 500.
    CKVDoc& NewDocumentWith(int type);
    // Appends a station of `type` named `name` to the document.
    static CStation& AddStation(CKVDoc& doc, int type, const std::string& name);

    static void ClickCell(CStationView& view, int row, int col);
    static void ClickColumnHeader(CStationView& view, int col);
    static void SelectStation(CStationView& view, int index);
    // Whether the cell is painted as a zone that is on (solid red).
    static bool CellIsOn(CStationView& view, int row, int col);
    static std::vector<int> Zones(const CBtn& button);
    // Where a child window of the view lies, in the view's coordinates.
    static QRect InView(const CStationView& view, const QWidget& child);
    // The station names the view's list shows, and the row it selects.
    static std::vector<std::string> ListOf(const CStationView& view);

    CStationViewHarness harness;
    CScriptedMessageBoxes boxes;
};
