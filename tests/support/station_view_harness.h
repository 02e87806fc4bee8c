#pragma once
// Configuration documents in station views, as the editor shows them, for widget tests: a main
// window (1000 x 700, shown offscreen) with an MDI area, the grid component loaded from beside
// the test executable, the program settings, the Qt ui services (answer their message boxes with
// CScriptedMessageBoxes) and the document template of the editor's one document type:
//
//   CStationViewHarness harness;
//   CKVDoc& doc = harness.NewDocument();
//   CStationView& view = harness.ViewOf(doc);
//   QTest::mouseClick(&view.m_Grid, Qt::LeftButton, {}, CStationViewHarness::CellCentre(1, 3));

// own
#include "model/kv_doc.h"
#include "kvgraphics/graphics_dll.h"
#include "platform/program_settings.h"
#include "framework/qt/multi_doc_template.h"
#include "framework/qt/qt_ui_services.h"
#include "tests/support/temp_dir.h"
#include "view/station_view.h"

// Qt
#include <QMainWindow>
#include <QMdiArea>
#include <QPoint>

// std
#include <optional>
#include <string>

class CStationEditing;
class QApplication;

class CStationViewHarness {
public:
    // `editing` (may be null) serves the views' station commands and must outlive the harness.
    explicit CStationViewHarness(CStationEditing* editing = nullptr);
    ~CStationViewHarness();
    CStationViewHarness(const CStationViewHarness&) = delete;
    CStationViewHarness& operator=(const CStationViewHarness&) = delete;

    // A new document (Config1, Config2, ...) in a new, active view.
    CKVDoc& NewDocument();
    // The document read from `path` in a new view; null when it was refused.
    CKVDoc* OpenDocument(const std::string& path);
    // Another view of `doc` (Window New Window).
    CStationView& NewWindow(CKVDoc& doc);
    // The document's view number `index`, in the order they were made.
    static CStationView& ViewOf(const CKVDoc& doc, std::size_t index = 0);
    // Resizes the view's window so that the view is `size`.
    static void ResizeView(CStationView& view, const QSize& size);

    // The centre of a grid cell and of a column header, in grid coordinates, with the grid's
    // documented sizes at "Arial" 8: a 64-pixel row header, 23-pixel columns and 19-pixel rows.
    static QPoint CellCentre(int row, int col);
    static QPoint ColumnHeaderCentre(int col);

    // The per-user settings the views read and write, in a fresh XDG_CONFIG_HOME.
    CTempDir configHome;
    std::optional<std::string> oldConfigHome;
    QApplication& app;
    CGraphicsDll dll;
    CProgramSettings settings;
    CQtUiServices ui;
    QMainWindow window;
    QMdiArea& area;
    CMultiDocTemplate documents;
};
