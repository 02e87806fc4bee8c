// own
#include "tests/support/station_view_harness.h"
#include "tests/support/qt_test_app.h"

// Qt
#include <QApplication>
#include <QMdiSubWindow>

// gtest
#include <gtest/gtest.h>

// std
#include <cstdlib>

namespace {
constexpr int kHeaderWidth = 64;
constexpr int kColWidth = 23;
constexpr int kRowHeight = 19;

CDocumentType StationDocumentType(CStationViewHarness& harness, CStationEditing* editing) {
    return {CKVDoc::kTitleStem, [&harness] { return std::make_unique<CKVDoc>(harness.ui); },
            [&harness, editing](CDocument&) {
                return new CStationView(harness.dll, harness.settings, editing);
            },
            QIcon()};
}
} // namespace

CStationViewHarness::CStationViewHarness(CStationEditing* editing)
    : oldConfigHome([]() -> std::optional<std::string> {
          const char* old = std::getenv("XDG_CONFIG_HOME");
          return old ? std::optional<std::string>(old) : std::nullopt;
      }()),
      app(QtTestApp()), area(*new QMdiArea),
      documents(area, ui, StationDocumentType(*this, editing)) {
    setenv("XDG_CONFIG_HOME", configHome.Path().c_str(), 1);
    EXPECT_TRUE(dll.Load()) << "KV_Graphics.so beside the test executable";
    window.setCentralWidget(&area);
    window.resize(1000, 700);
    window.show();
}

CStationViewHarness::~CStationViewHarness() {
    if (oldConfigHome) {
        setenv("XDG_CONFIG_HOME", oldConfigHome->c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
}

CKVDoc& CStationViewHarness::NewDocument() {
    CDocument* doc = documents.NewDocument();
    EXPECT_NE(doc, nullptr);
    return dynamic_cast<CKVDoc&>(*doc);
}

CKVDoc* CStationViewHarness::OpenDocument(const std::string& path) {
    return dynamic_cast<CKVDoc*>(documents.OpenDocumentFile(path));
}

CStationView& CStationViewHarness::NewWindow(CKVDoc& doc) {
    return dynamic_cast<CStationView&>(documents.CreateNewWindow(doc));
}

CStationView& CStationViewHarness::ViewOf(const CKVDoc& doc, std::size_t index) {
    return dynamic_cast<CStationView&>(*doc.GetViews().at(index));
}

void CStationViewHarness::ResizeView(CStationView& view, const QSize& size) {
    QWidget* window = view.parentWidget();
    window->resize(window->size() + size - view.size());
    QApplication::processEvents();
}

QPoint CStationViewHarness::CellCentre(int row, int col) {
    return {kHeaderWidth + (col - 1) * kColWidth + kColWidth / 2,
            kRowHeight + (row - 1) * kRowHeight + kRowHeight / 2};
}

QPoint CStationViewHarness::ColumnHeaderCentre(int col) {
    return {kHeaderWidth + (col - 1) * kColWidth + kColWidth / 2, kRowHeight / 2};
}
