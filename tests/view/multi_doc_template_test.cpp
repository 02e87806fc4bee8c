// CMultiDocTemplate with configuration documents in station views: names, titles, opening,
// windows of one document, and the "Save changes?" question when a document closes.

// own
#include "tests/support/modal_watcher.h"
#include "tests/support/temp_dir.h"
#include "tests/view/station_view_fixture.h"

// Qt
#include <QFileDialog>
#include <QImage>
#include <QMdiSubWindow>
#include <QPixmap>

// std
#include <filesystem>
#include <fstream>

namespace {
QWidget& WindowOf(CStationView& view) {
    return *view.parentWidget();
}

void WriteNewConfiguration(const std::filesystem::path& path) {
    CScriptedUi ui;
    CKVDoc doc(ui);
    doc.OnNewDocument();
    ASSERT_TRUE(doc.OnSaveDocument(path.string()));
}

class MdiDocuments : public StationViewTest {
protected:
    size_t WindowCount() const { return harness.area.subWindowList().size(); }
    CTempDir dir;
};
} // namespace

TEST_F(MdiDocuments, UntitledDocumentsAreNumberedOverTheRun) {
    CKVDoc& first = harness.NewDocument();
    CKVDoc& second = harness.NewDocument();
    EXPECT_EQ(first.GetTitle(), "Config1");
    EXPECT_EQ(second.GetTitle(), "Config2");
    EXPECT_EQ(WindowOf(CStationViewHarness::ViewOf(second)).windowTitle(), "Config2[*]");
    EXPECT_EQ(harness.documents.ActiveDocument(), &second);
    ASSERT_TRUE(harness.documents.CloseDocument(first));
    EXPECT_EQ(harness.NewDocument().GetTitle(), "Config3");
    EXPECT_EQ(WindowCount(), 2u);
}

TEST_F(MdiDocuments, WindowTitleMarksAModifiedDocumentUntilItIsSaved) {
    CKVDoc& doc = NewDocumentWith(4);
    CStationView& view = CStationViewHarness::ViewOf(doc);
    EXPECT_FALSE(WindowOf(view).isWindowModified());
    ClickCell(view, 1, 1);
    EXPECT_TRUE(WindowOf(view).isWindowModified());
    ASSERT_TRUE(doc.DoSave((dir / "site.kvx").string(), true));
    EXPECT_FALSE(WindowOf(view).isWindowModified());
    EXPECT_EQ(WindowOf(view).windowTitle(), "site.kvx[*]");
}

TEST_F(MdiDocuments, NewWindowsAreNumberedAndTheLastToCloseTakesTheDocument) {
    CKVDoc& doc = harness.NewDocument();
    CStationView& first = CStationViewHarness::ViewOf(doc);
    CStationView& second = harness.NewWindow(doc);
    EXPECT_EQ(WindowOf(first).windowTitle(), "Config1:1[*]");
    EXPECT_EQ(WindowOf(second).windowTitle(), "Config1:2[*]");
    EXPECT_EQ(harness.documents.ActiveView(), &second);
    WindowOf(first).close();
    EXPECT_EQ(WindowOf(second).windowTitle(), "Config1[*]");
    EXPECT_EQ(harness.documents.Documents().size(), 1u);
    WindowOf(second).close();
    EXPECT_TRUE(harness.documents.Documents().empty());
    EXPECT_EQ(harness.documents.ActiveView(), nullptr);
    EXPECT_TRUE(boxes.messages.empty());
}

TEST_F(MdiDocuments, OpeningAFileThatIsOpenActivatesItsDocument) {
    const auto path = dir / "site.kvx";
    WriteNewConfiguration(path);
    std::filesystem::create_symlink(path, dir / "link.kvx");
    CKVDoc* opened = harness.OpenDocument(path.string());
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(opened->GetTitle(), "site.kvx");
    harness.NewDocument();
    EXPECT_EQ(harness.OpenDocument((dir / "." / "site.kvx").string()), opened);
    EXPECT_EQ(harness.documents.ActiveDocument(), opened);
    EXPECT_EQ(harness.OpenDocument((dir / "link.kvx").string()), opened);
    EXPECT_EQ(harness.documents.Documents().size(), 2u);
    EXPECT_EQ(WindowCount(), 2u);
}

TEST_F(MdiDocuments, RefusedOpenLeavesNoDocumentAndNoWindow) {
    const auto path = dir / "bad.kvx";
    std::ofstream(path) << std::string(100, 'x');
    EXPECT_EQ(harness.OpenDocument(path.string()), nullptr);
    EXPECT_EQ(boxes.messages.size(), 1u); // the reader's own refusal
    EXPECT_EQ(harness.OpenDocument((dir / "missing.kvx").string()), nullptr);
    // A file that cannot be read is named, with why, under the message.
    ASSERT_EQ(boxes.messages.size(), 2u);
    EXPECT_EQ(boxes.messages.back().text, "Cannot open missing.kvx.");
    EXPECT_EQ(boxes.messages.back().facts,
              (dir / "missing.kvx").string() + ": No such file or directory");
    EXPECT_TRUE(harness.documents.Documents().empty());
    EXPECT_EQ(WindowCount(), 0u);
}

TEST_F(MdiDocuments, ClosingAModifiedDocumentAsksAndCancelKeepsIt) {
    CKVDoc& doc = NewDocumentWith(4);
    CStationView& view = CStationViewHarness::ViewOf(doc);
    ClickCell(view, 2, 2);
    boxes.answers = {MsgAnswer::Cancel};
    EXPECT_FALSE(WindowOf(view).close());
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].text, "Save changes to Config1?");
    EXPECT_EQ(boxes.messages[0].caption, "Quellton Corvantine");
    EXPECT_EQ(boxes.messages[0].buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(harness.documents.Documents().size(), 1u);

    boxes.answers = {MsgAnswer::No};
    EXPECT_TRUE(WindowOf(view).close());
    EXPECT_TRUE(harness.documents.Documents().empty());
}

TEST_F(MdiDocuments, UnmodifiedDocumentAndAllButTheLastWindowCloseWithoutAQuestion) {
    harness.NewDocument();
    EXPECT_TRUE(harness.documents.CloseAllDocuments());
    CKVDoc& doc = NewDocumentWith(4);
    CStationView& second = harness.NewWindow(doc);
    ClickCell(second, 1, 1);
    EXPECT_TRUE(WindowOf(second).close());
    EXPECT_TRUE(boxes.messages.empty());
    EXPECT_EQ(harness.documents.Documents().size(), 1u);
}

TEST_F(MdiDocuments, YesSavesTheDocumentBeforeItCloses) {
    const auto path = dir / "site.kvx";
    WriteNewConfiguration(path);
    CKVDoc* doc = harness.OpenDocument(path.string());
    ASSERT_NE(doc, nullptr);
    CStationView& view = CStationViewHarness::ViewOf(*doc);
    CStationViewHarness::ResizeView(view, {800, 500});
    ClickCell(view, 1, 3);
    boxes.answers = {MsgAnswer::Yes};
    EXPECT_TRUE(harness.documents.CloseDocument(*doc));
    EXPECT_EQ(boxes.Texts(), std::vector<std::string>{"Save changes to site.kvx?"});
    EXPECT_TRUE(harness.documents.Documents().empty());

    CScriptedUi ui;
    CKVDoc reread(ui);
    ASSERT_TRUE(reread.OnOpenDocument(path.string()));
    EXPECT_EQ(Zones(reread.m_pStations[0]->m_Buttons[0]), std::vector<int>{2});
}

TEST_F(MdiDocuments, YesWhoseSaveIsCancelledKeepsTheDocumentOpen) {
    CKVDoc& doc = NewDocumentWith(4);
    ClickCell(CStationViewHarness::ViewOf(doc), 1, 1);
    boxes.answers = {MsgAnswer::Yes};
    CModalScript script;
    script.Then<QFileDialog>([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_FALSE(harness.documents.CloseDocument(doc));
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(harness.documents.Documents().size(), 1u);
    EXPECT_TRUE(doc.IsModified());
}

TEST_F(MdiDocuments, ExitAsksAboutEachModifiedDocumentAndCancelKeepsThemAll) {
    CKVDoc& first = NewDocumentWith(4);
    ClickCell(CStationViewHarness::ViewOf(first), 1, 1);
    harness.NewDocument();
    CKVDoc& third = NewDocumentWith(4);
    ClickCell(CStationViewHarness::ViewOf(third), 1, 1);
    boxes.answers = {MsgAnswer::No, MsgAnswer::Cancel};
    EXPECT_FALSE(harness.documents.CloseAllDocuments());
    EXPECT_EQ(boxes.Texts(),
              (std::vector<std::string>{"Save changes to Config1?", "Save changes to Config3?"}));
    EXPECT_EQ(harness.documents.Documents().size(), 3u);
    boxes.answers = {MsgAnswer::No, MsgAnswer::No};
    EXPECT_TRUE(harness.documents.CloseAllDocuments());
    EXPECT_EQ(WindowCount(), 0u);
}

TEST_F(MdiDocuments, WindowsCarryTheDocumentTypesIcon) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    CDocumentType type{"Config", [this] { return std::make_unique<CKVDoc>(harness.ui); },
                       [](CDocument&) { return new CQtView; }, QIcon(pixmap)};
    CMultiDocTemplate documents(harness.area, harness.ui, std::move(type));
    CDocument* doc = documents.NewDocument();
    ASSERT_NE(doc, nullptr);
    const auto* view = dynamic_cast<CQtView*>(doc->GetFirstView());
    const QImage icon = view->parentWidget()->windowIcon().pixmap(16, 16).toImage();
    EXPECT_EQ(icon.pixelColor(8, 8), QColor(Qt::red));
}
