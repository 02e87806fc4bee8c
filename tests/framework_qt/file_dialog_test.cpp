// own
#include "framework/qt/file_dialog.h"
#include "framework/qt/qt_ui_services.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/temp_dir.h"

// Qt
#include <QFileDialog>
#include <QLineEdit>

// std
#include <fstream>

#include <gtest/gtest.h>

namespace {

FileDialogRequest OpenRequest() {
    return {"Open File",
            {{"Corvantine files (*.kvx)", "*.kvx"}, {"All Files (*.*)", "*.*"}},
            "",
            true,
            false};
}

FileDialogRequest SaveRequest(const std::string& name) {
    return {"File Save As", {{"Corvantine Files (*.kvx)", "*.kvx"}}, name, false, true};
}

// The dialog's own accept, with its checks, as its Open or Save button runs it.
void Accept(QDialog& dialog) {
    dialog.accept();
}

// Types the path into the file name box, as the user would, and accepts it.
void Choose(QFileDialog& dialog, const std::string& path) {
    auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
    ASSERT_NE(name, nullptr);
    name->setText(QString::fromStdString(path));
    Accept(dialog);
}

} // namespace

TEST(FileDialog, FiltersShowTheirPatternOnceAndAllFilesMatchesNamesWithoutADot) {
    FileDialogRequest request = OpenRequest();
    request.filters.push_back({"Bitmaps", "*.bmp; *.dib"});
    EXPECT_EQ(NameFilters(request),
              QStringList({"Corvantine files (*.kvx)", "All Files (*)", "Bitmaps (*.bmp *.dib)"}));
}

TEST(FileDialog, OpenReturnsTheChosenFileUnderTheGivenTitleAndFilters) {
    CTempDir dir;
    const std::string path = (dir / "hotel.kvx").string();
    std::ofstream(path) << "x";
    CQtUiServices qtUi;
    CUiServices& ui = qtUi;
    CModalScript script;
    QString title;
    QStringList filters;
    bool native = true;
    script.Then<QFileDialog>([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        filters = dialog.nameFilters();
        native = !dialog.testOption(QFileDialog::DontUseNativeDialog);
        Choose(dialog, path);
    });
    EXPECT_EQ(ui.AskOpenFileName(OpenRequest()), path);
    EXPECT_EQ(title, "Open File");
    EXPECT_EQ(filters, NameFilters(OpenRequest()));
    EXPECT_FALSE(native);
}

TEST(FileDialog, OpenRefusesAMissingFileAndCancelGivesNothing) {
    CTempDir dir;
    CQtUiServices qtUi;
    CUiServices& ui = qtUi;
    CScriptedMessageBoxes boxes; // the dialog's own "not found" notice
    CModalScript script;
    script.Then<QFileDialog>([&](QFileDialog& d) { Choose(d, (dir / "gone.kvx").string()); })
        .Then<QFileDialog>([](QFileDialog& d) { d.reject(); });
    EXPECT_EQ(ui.AskOpenFileName(OpenRequest()), std::nullopt);
    EXPECT_EQ(boxes.messages.size(), 1u);
    EXPECT_TRUE(script.Done());
}

TEST(FileDialog, SaveAsksBeforeReplacingOnlyWhenAsked) {
    CTempDir dir;
    const std::string path = (dir / "Config1.kvx").string();
    std::ofstream(path) << "x";
    CQtUiServices qtUi;
    CUiServices& ui = qtUi;
    CScriptedMessageBoxes boxes;
    {
        boxes.answers = {MsgAnswer::No, MsgAnswer::Yes};
        CModalScript script;
        script
            .Then<QFileDialog>([&](QFileDialog& d) { Choose(d, path); }) // No: stays open
            .Then<QFileDialog>([&](QFileDialog& d) { Accept(d); });      // Yes: replaces
        EXPECT_EQ(ui.AskSaveFileName(SaveRequest(path)), path);
        EXPECT_EQ(boxes.messages.size(), 2u);
    }
    {
        FileDialogRequest request = SaveRequest(path);
        request.overwritePrompt = false;
        CModalScript script;
        script.Then<QFileDialog>([&](QFileDialog& d) { Accept(d); });
        EXPECT_EQ(ui.AskSaveFileName(request), path);
        EXPECT_EQ(boxes.messages.size(), 2u) << "no question without the prompt";
    }
}

TEST(FileDialog, SavePreselectsTheGivenName) {
    CTempDir dir;
    const std::string path = (dir / "Config1.kvx").string();
    CQtUiServices qtUi;
    CUiServices& ui = qtUi;
    CModalScript script;
    script.Then<QFileDialog>([&](QFileDialog& d) { Accept(d); });
    EXPECT_EQ(ui.AskSaveFileName(SaveRequest(path)), path);
}
