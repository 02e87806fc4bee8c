// The download's progress dialog on its own, and Download Config from the menu against
// corvantine-sim on a pseudo-terminal linked as COM4 in the test's own ports folder.

#include "download/ui/download_progress.h"
#include "platform/serial_device_posix.h"
#include "tests/app/app_fixture.h"
#include "tests/serial/pty_pair.h"
#include "tests/sim/sim_process.h"
#include "tests/support/qt_test_app.h"
#include "tests/support/scripted_message_boxes.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;
using Texts = std::vector<std::string>;

constexpr const char* kConfirm =
    "Downloading will replace the current Corvantine Configuration.\n\nDo you wish to continue?";

// --- The dialog -------------------------------------------------------------------------------

class DownloadDlgTest : public ::testing::Test {
protected:
    DownloadDlgTest() { QtTestApp(); }
};

TEST_F(DownloadDlgTest, OpensCentredWithCaptionStatusAndDefaultCancel) {
    CDownloadProgress progress;
    progress.ShowProgress();
    CDownloadDlg& dialog = *progress.Dialog();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), "Download");
    EXPECT_EQ(dialog.StatusText().text(), "Initiating Communications with PA Controller");
    EXPECT_EQ(dialog.CancelButton().text(), "Cancel");
    EXPECT_TRUE(dialog.CancelButton().isDefault());
    // Input to the other windows is blocked, without a loop of its own.
    EXPECT_EQ(dialog.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(dialog.parent(), nullptr);
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    const QSize size = dialog.frameGeometry().size();
    EXPECT_EQ(dialog.frameGeometry().topLeft(),
              QPoint(desktop.left() + desktop.width() / 2 - size.width() / 2,
                     desktop.top() + desktop.height() / 2 - size.height() / 2));
    progress.SetStatus("Getting Version");
    EXPECT_EQ(dialog.StatusText().text(), "Getting Version");
    EXPECT_TRUE(progress.PumpMessages());
    progress.CloseProgress();
    EXPECT_EQ(progress.Dialog(), nullptr);
}

TEST_F(DownloadDlgTest, EscapeAndTheCloseBoxOnlyCancelAndThePumpThenEndsIt) {
    CDownloadProgress progress;
    progress.ShowProgress();
    CDownloadDlg& dialog = *progress.Dialog();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    EXPECT_EQ(dialog.m_bCancelled, 1);
    EXPECT_TRUE(dialog.isVisible());
    dialog.m_bCancelled = 0;
    dialog.close();
    EXPECT_EQ(dialog.m_bCancelled, 1);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_FALSE(progress.PumpMessages());
    EXPECT_EQ(progress.Dialog(), nullptr);
    // Harmless once gone.
    progress.SetStatus("Downloading");
    EXPECT_FALSE(progress.PumpMessages());
    progress.WaitForClose();
    progress.CloseProgress();
}

TEST_F(DownloadDlgTest, CancelShowsAtOnceThatItWasTakenButCloseDoesNot) {
    CDownloadProgress progress;
    progress.ShowProgress();
    CDownloadDlg& dialog = *progress.Dialog();
    dialog.CancelButton().click();
    EXPECT_EQ(dialog.StatusText().text(), "Cancelling...");
    EXPECT_FALSE(dialog.CancelButton().isEnabled());
    EXPECT_EQ(dialog.m_bCancelled, 1);
    progress.CloseProgress();

    progress.ShowProgress();
    progress.SetStatus("Download Successful");
    progress.SetCancelButtonText("Close");
    progress.Dialog()->CancelButton().click();
    EXPECT_EQ(progress.Dialog()->StatusText().text(), "Download Successful");
    EXPECT_FALSE(progress.PumpMessages());
}

TEST_F(DownloadDlgTest, BarAppearsWithTheImageAndTellsWhatIsDoneAndLeft) {
    CDownloadProgress progress;
    progress.ShowProgress();
    CDownloadDlg& dialog = *progress.Dialog();
    EXPECT_FALSE(dialog.ProgressBar().isVisible());
    progress.SetProgress({12345, 32301, 11});
    EXPECT_TRUE(dialog.ProgressBar().isVisible());
    EXPECT_EQ(dialog.ProgressBar().maximum(), 32301);
    EXPECT_EQ(dialog.ProgressBar().value(), 12345);
    EXPECT_EQ(dialog.ProgressLabel().text(), "12.3 of 32.3 KB, 11 s left");
    // Once all has gone no time is left to tell of, and none stays on after success.
    progress.SetProgress({32301, 32301, 0});
    EXPECT_EQ(dialog.ProgressLabel().text(), "32.3 of 32.3 KB");
    progress.CloseProgress();
}

TEST_F(DownloadDlgTest, WaitForCloseReturnsWhenCloseIsPressed) {
    CDownloadProgress progress;
    progress.ShowProgress();
    progress.SetCancelButtonText("Close");
    EXPECT_EQ(progress.Dialog()->CancelButton().text(), "Close");
    bool pressed = false;
    QTimer::singleShot(20, [&] {
        pressed = true;
        progress.Dialog()->CancelButton().click();
    });
    progress.WaitForClose();
    EXPECT_TRUE(pressed);
    EXPECT_FALSE(progress.PumpMessages());
}

// --- From the menu to the simulated controller ------------------------------------------------

// Watches the progress dialog every few milliseconds: records each status it shows and presses
// its button, at once, as soon as `press` says so (a user's click is handled at the next pump).
class CProgressWatcher {
public:
    CProgressWatcher() {
        m_timer.setInterval(2);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start();
    }

    std::function<bool(const CDownloadDlg&)> press;
    Texts statuses;
    std::string buttonWhenPressed;

private:
    void Poll() {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            auto* dialog = dynamic_cast<CDownloadDlg*>(widget);
            if (!dialog || !dialog->isVisible()) continue;
            const std::string status = dialog->StatusText().text().toStdString();
            if (statuses.empty() || statuses.back() != status) statuses.push_back(status);
            if (!buttonWhenPressed.empty() || !press || !press(*dialog)) continue;
            buttonWhenPressed = dialog->CancelButton().text().toStdString();
            dialog->CancelButton().click();
        }
    }

    QTimer m_timer;
};

class DownloadFromMenuTest : public AppTest {
protected:
    DownloadFromMenuTest() : m_previous(fs::current_path()) {
        // CORVANTN.DAT is written to the current folder.
        fs::current_path(xdg.Path());
    }
    ~DownloadFromMenuTest() override { fs::current_path(m_previous); }

    void StartSim(std::vector<std::string> args) {
        args.insert(args.begin(), {"--port", "COM4"});
        sim = std::make_unique<CSimProcess>(args, xdg.Path() / "sim-errors.txt");
        ASSERT_EQ(sim->ReadyLine(), "ready COM4");
    }
    void StartEditor(int timeoutMs) {
        Start();
        app->m_settings.m_szPort = "COM4";
        app->m_settings.m_nTimeoutMs = timeoutMs;
        Documents().NewDocument();
    }

    std::unique_ptr<CSimProcess> sim;
    CScriptedMessageBoxes boxes;
    CProgressWatcher watcher;

private:
    fs::path m_previous;
};

TEST_F(DownloadFromMenuTest, SuccessShowsDownloadSuccessfulAndWaitsForClose) {
    StartSim({});
    StartEditor(2000);
    watcher.press = [](const CDownloadDlg& dialog) {
        return dialog.StatusText().text() == "Download Successful";
    };
    EXPECT_TRUE(Frame().Commands().Execute(ID_DOWNLOAD_CONFIG));
    EXPECT_EQ(boxes.Texts(), Texts{kConfirm});
    EXPECT_EQ(watcher.buttonWhenPressed, "Close");
    ASSERT_FALSE(watcher.statuses.empty());
    EXPECT_EQ(watcher.statuses.back(), "Download Successful");
    EXPECT_TRUE(fs::exists(xdg.Path() / "CORVANTN.DAT"));
    // The controller's version is kept for Check Configuration.
    EXPECT_EQ(Stored("ControllerVersion"), "1.1");
    // The dialog is gone and the frame takes input again.
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(sim->Wait(), 0) << sim->Errors();
}

TEST_F(DownloadFromMenuTest, CancelWhileAResponseIsAwaitedEndsWithoutAMessage) {
    StartSim({"--silent"});
    StartEditor(2000);
    watcher.press = [](const CDownloadDlg& dialog) {
        return dialog.StatusText().text() == "Getting Version";
    };
    EXPECT_TRUE(Frame().Commands().Execute(ID_DOWNLOAD_CONFIG));
    EXPECT_EQ(watcher.buttonWhenPressed, "Cancel");
    EXPECT_EQ(boxes.Texts(), Texts{kConfirm});
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(DownloadFromMenuTest, PortHeldByAnotherProgramSaysWhichDeviceAndWhyUnderTheMessage) {
    const CPtyPair pty;
    ASSERT_TRUE(xdg.Ports().Relink(4, pty.SlavePath()));
    // Another program holds COM4's device.
    const auto held = CPosixSerialDevice::OpenPath(pty.SlavePath());
    ASSERT_NE(held, nullptr);
    StartEditor(2000);
    QString facts;
    boxes.onShown = [&](QMessageBox& box) {
        if (!box.text().startsWith("Error")) return;
        facts = box.informativeText();
        if (const char* folder = std::getenv("CORV_SCREENSHOT_DIR"))
            box.grab().save(QString::fromLocal8Bit(folder) + "/port_not_open.png");
    };
    EXPECT_TRUE(Frame().Commands().Execute(ID_DOWNLOAD_CONFIG));
    EXPECT_EQ(boxes.Texts(), (Texts{kConfirm, "Error: Opening serial port: The port is not open"}));
    EXPECT_EQ(facts.toStdString(), "COM4 (" + pty.SlavePath() +
                                       "): in use by another program. Close that program, or "
                                       "wait until its download ends.");
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(DownloadFromMenuTest, OfflinePortShowsNothing) {
    Start();
    Documents().NewDocument();
    EXPECT_TRUE(Frame().Commands().Execute(ID_DOWNLOAD_CONFIG));
    EXPECT_TRUE(boxes.messages.empty());
    EXPECT_TRUE(watcher.statuses.empty());
    EXPECT_TRUE(fs::exists(xdg.Path() / "CORVANTN.DAT"));
}

} // namespace
