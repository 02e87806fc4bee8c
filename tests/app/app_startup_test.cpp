// Start-up and exit of the editor, the hidden switch keys, About, Open and the recent files.

#include "app/about_dlg.h"
#include "app/comm_dlg.h"
#include "platform/settings_key.h"
#include "tests/app/app_fixture.h"
#include "tests/support/modal_watcher.h"
#include "tests/support/scripted_message_boxes.h"
#include "tests/support/temp_dir.h"

#include <QApplication>
#include <QDropEvent>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPageSetupDialog>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QUrl>

#include <filesystem>

namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

bool AnyFrameExists() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (dynamic_cast<CKVFrame*>(widget)) return true;
    return false;
}

using StartUpTest = AppTest;

TEST_F(StartUpTest, MissingGridComponentShowsTheMessageAndMakesNoWindow) {
    CTempDir empty;
    CScriptedMessageBoxes boxes;
    CKVApp editor(empty.Path().string());
    EXPECT_FALSE(editor.InitInstance({}));
    EXPECT_EQ(boxes.Texts(), Texts{"Graphics DLL did not load properly"});
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].caption, "Quellton Corvantine");
    EXPECT_EQ(boxes.messages[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(editor.m_pMainWnd, nullptr);
    EXPECT_FALSE(AnyFrameExists());
    editor.ExitInstance();
    // Nothing was read or written: not even the placement of a frame.
    EXPECT_FALSE(fs::exists(xdg.Path() / "Quellton Electronics"));
}

TEST_F(StartUpTest, EmptyCommandLineOpensNoDocument) {
    CScriptedMessageBoxes boxes;
    Start();
    EXPECT_TRUE(Documents().Documents().empty());
    EXPECT_EQ(Frame().windowTitle(), "Quellton Corvantine");
    EXPECT_TRUE(boxes.messages.empty());
}

TEST_F(StartUpTest, MissingFileOnTheCommandLineOpensNothingAndSaysWhy) {
    CScriptedMessageBoxes boxes;
    Start({(xdg.Path() / "gone.kvx").string()});
    EXPECT_TRUE(Documents().Documents().empty());
    EXPECT_EQ(boxes.Texts(), Texts{"Cannot open gone.kvx."});
    EXPECT_TRUE(app->m_recentFiles.Entries().empty());
}

TEST_F(StartUpTest, CommandLineWordsAreOneFilePath) {
    const std::string path = ConfigFile("north wing.kvx");
    Start({(xdg.Path() / "north").string(), "wing.kvx"});
    ASSERT_EQ(Documents().Documents().size(), 1u);
    EXPECT_EQ(Documents().ActiveDocument()->GetPathName(), path);
    EXPECT_EQ(Frame().windowTitle(), "Quellton Corvantine - north wing.kvx");
    EXPECT_EQ(app->m_recentFiles.Entries(), Texts{path});
}

TEST_F(StartUpTest, ShowAddressesStartsOffAndSettingsAreLoaded) {
    CSettingsKey().WriteString("TestEnabled", "TRUE");
    CSettingsKey().WriteString("Port", "COM3");
    Start();
    EXPECT_TRUE(app->m_settings.m_bTestEnabled);
    EXPECT_EQ(app->m_settings.m_szPort, "COM3");
    EXPECT_FALSE(app->m_settings.m_bShowAddresses);
}

// --- The hidden switches, typed ----------------------------------------------------------------

class HiddenSwitchKeysTest : public AppTest {
protected:
    void Type(Qt::Key key) {
        // Whatever has the focus inside the frame: the keys are the frame's.
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &Frame();
        QTest::keyClick(target, key, Qt::AltModifier);
    }
};

TEST_F(HiddenSwitchKeysTest, AltKAndAltQWithNothingArmedStoreNothing) {
    Start();
    Type(Qt::Key_K);
    Type(Qt::Key_Q);
    EXPECT_FALSE(app->m_settings.m_bTestEnabled);
    EXPECT_EQ(Stored("TestEnabled"), "absent");
    EXPECT_EQ(Stored("48ButtonOK"), "absent");
}

TEST_F(HiddenSwitchKeysTest, Alt4ThenAltJThenAltKTurnsOnTestEnabledOnly) {
    Start();
    Documents().NewDocument(); // the keys work over a station view too
    Type(Qt::Key_4);
    Type(Qt::Key_J);
    Type(Qt::Key_K);
    EXPECT_TRUE(app->m_settings.m_bTestEnabled);
    EXPECT_FALSE(app->m_settings.m_b48ButtonOK);
    EXPECT_EQ(Stored("TestEnabled"), "TRUE");
    EXPECT_EQ(Stored("48ButtonOK"), "absent");
}

TEST_F(HiddenSwitchKeysTest, AltJThenAltQStoresFalseAndCreatesTheSettingsFile) {
    Start();
    ASSERT_FALSE(fs::exists(CSettingsKey::FilePath()));
    Type(Qt::Key_J);
    Type(Qt::Key_Q);
    EXPECT_TRUE(fs::exists(CSettingsKey::FilePath()));
    EXPECT_EQ(Stored("TestEnabled"), "FALSE");
}

// --- About, Open, recent files, exit -------------------------------------------------------------

TEST_F(StartUpTest, AboutShowsItsTextCentredAndChangesNothing) {
    Start();
    QString caption, text;
    QPoint position;
    QSize size;
    CModalScript script;
    script.Then<QDialog>([&](QDialog& dialog) {
        EXPECT_NE(dynamic_cast<CAboutDlg*>(&dialog), nullptr);
        caption = dialog.windowTitle();
        for (QLabel* label : dialog.findChildren<QLabel*>())
            if (!label->text().isEmpty()) text = label->text();
        position = dialog.frameGeometry().topLeft();
        size = dialog.frameGeometry().size();
        auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("button1"));
        EXPECT_TRUE(ok && ok->isDefault() && ok->text() == "OK");
        ok->click();
    });
    EXPECT_TRUE(Frame().Commands().Execute(ID_APP_ABOUT));
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(caption, "About Corvantine");
    EXPECT_EQ(text, "Quellton Corvantine 2.0");
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(position, QPoint(desktop.left() + desktop.width() / 2 - size.width() / 2,
                               desktop.top() + desktop.height() / 2 - size.height() / 2));
    EXPECT_FALSE(fs::exists(CSettingsKey::FilePath()));
}

TEST_F(StartUpTest, CommunicationsAndPrintSetupRunTheirDialogsModally) {
    Start();
    bool communications = false;
    bool pageSetup = false;
    CModalScript script;
    script.Then<QDialog>([&](QDialog& dialog) {
        communications = dynamic_cast<CCommDlg*>(&dialog) != nullptr;
        dialog.reject();
    });
    script.Then<QPageSetupDialog>([&](QPageSetupDialog& dialog) {
        pageSetup = true;
        dialog.reject();
    });
    EXPECT_TRUE(Frame().Commands().Execute(ID_TOOLS_COMMUNICATIONS));
    EXPECT_TRUE(Frame().Commands().Execute(ID_FILE_PRINT_SETUP));
    EXPECT_TRUE(communications);
    EXPECT_TRUE(pageSetup);
}

TEST_F(StartUpTest, FilesDroppedOnTheFrameOpenAsDocuments) {
    const std::string first = ConfigFile("first.kvx");
    const std::string second = ConfigFile("second.kvx");
    Start();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(first)),
                  QUrl::fromLocalFile(QString::fromStdString(second)),
                  QUrl(QStringLiteral("https://example.invalid/remote.kvx"))});
    const QPoint centre = Frame().rect().center();
    QDragEnterEvent enter(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Frame(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(centre, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&Frame(), &drop);
    ASSERT_EQ(Documents().Documents().size(), 2u);
    EXPECT_EQ(Documents().Documents()[0]->GetPathName(), first);
    EXPECT_EQ(Documents().Documents()[1]->GetPathName(), second);
}

TEST_F(StartUpTest, OpenAsksForAKvxFileAndOpensIt) {
    const std::string path = ConfigFile("site.kvx");
    Start();
    QString title;
    QStringList filters;
    CModalScript script;
    script.Then<QFileDialog>([&](QFileDialog& dialog) {
        title = dialog.windowTitle();
        filters = dialog.nameFilters();
        // Typed into the name box, as the user would.
        auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        name->setText(QString::fromStdString(path));
        static_cast<QDialog&>(dialog).accept();
    });
    EXPECT_TRUE(Frame().Commands().Execute(ID_FILE_OPEN));
    EXPECT_EQ(title, "Open File");
    EXPECT_EQ(filters, (QStringList{"Corvantine files (*.kvx)", "All Files (*)"}));
    ASSERT_NE(Documents().ActiveDocument(), nullptr);
    EXPECT_EQ(Documents().ActiveDocument()->GetPathName(), path);
}

TEST_F(StartUpTest, RecentFilesSurviveARestartAndAFileGoneLeavesTheList) {
    const std::string kept = ConfigFile("kept.kvx");
    const std::string gone = ConfigFile("gone.kvx");
    Start({gone});
    app->OpenDocumentFile(kept);
    EXPECT_EQ(app->m_recentFiles.Entries(), (Texts{kept, gone}));
    Exit();
    fs::remove(gone);

    CScriptedMessageBoxes boxes;
    Start();
    EXPECT_EQ(app->m_recentFiles.Entries(), (Texts{kept, gone}));
    EXPECT_TRUE(Frame().Commands().Execute(ID_FILE_MRU_FILE2));
    EXPECT_TRUE(Documents().Documents().empty());
    EXPECT_EQ(app->m_recentFiles.Entries(), Texts{kept});
    EXPECT_TRUE(Frame().Commands().Execute(ID_FILE_MRU_FILE1));
    EXPECT_EQ(Documents().Documents().size(), 1u);
    EXPECT_EQ(boxes.Texts(), Texts{"Cannot open gone.kvx."});
}

TEST_F(StartUpTest, ExitAsksAboutEachModifiedDocumentAndCancelKeepsRunning) {
    Start();
    CDocument* first = Documents().NewDocument();
    Documents().NewDocument();
    CDocument* third = Documents().NewDocument();
    first->SetModifiedFlag();
    third->SetModifiedFlag();
    {
        CScriptedMessageBoxes boxes;
        boxes.answers = {MsgAnswer::No, MsgAnswer::Cancel};
        EXPECT_TRUE(Frame().Commands().Execute(ID_APP_EXIT));
        EXPECT_EQ(boxes.Texts(), (Texts{"Save changes to Config1?", "Save changes to Config3?"}));
        EXPECT_TRUE(Frame().isVisible());
        EXPECT_EQ(Documents().Documents().size(), 3u);
    }
    CScriptedMessageBoxes boxes;
    boxes.answers = {MsgAnswer::No, MsgAnswer::No};
    EXPECT_TRUE(Frame().Commands().Execute(ID_APP_EXIT));
    EXPECT_EQ(boxes.messages.size(), 2u);
    EXPECT_FALSE(Frame().isVisible());
    EXPECT_TRUE(Documents().Documents().empty());
}

} // namespace
