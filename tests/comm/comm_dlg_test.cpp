// CCommDlg on widgets, with a private ports folder in which a pseudo-terminal stands for COM1.

// own
#include "app/adv_comm_dlg.h"
#include "app/comm_dlg.h"
#include "platform/serial_device_posix.h"
#include "platform/settings_key.h"
#include "serial/ui/serial_test_dlg.h"
#include "tests/serial/pty_pair.h"
#include "tests/serial/xdg_scope.h"
#include "tests/support/modal_watcher.h"
#include "tests/support/qt_test_app.h"

// Qt
#include <QComboBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

// POSIX
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

namespace {

// Closes every modal dialog that appears, counting them.
class CModalCounter : public CModalWatcher {
public:
    int count = 0;

private:
    std::function<void()> OnModal(QWidget& widget) override {
        return [this, &widget] {
            ++count;
            widget.close();
        };
    }
};

class CommDlgTest : public ::testing::Test {
protected:
    CommDlgTest() { QtTestApp(); }

    void LinkCom1() { xdg.Ports().Relink(1, pty.SlavePath()); }
    std::unique_ptr<CCommDlg> Open() {
        auto dialog = std::make_unique<CCommDlg>(settings, nullptr, platform);
        dialog->show();
        return dialog;
    }
    static QListWidget& List(QWidget& dialog) {
        return *dialog.findChild<QListWidget*>("list1016");
    }
    static QPushButton& Button(QWidget& dialog, const char* name) {
        return *dialog.findChild<QPushButton*>(name);
    }
    static QStringList Entries(QWidget& dialog) {
        QStringList entries;
        for (int i = 0; i < List(dialog).count(); ++i)
            entries << List(dialog).item(i)->text();
        return entries;
    }
    static int Selected(QWidget& dialog) {
        const auto items = List(dialog).selectedItems();
        return items.size() == 1 ? List(dialog).row(items.front()) : -1;
    }
    static std::string Stored(const char* name) {
        return CSettingsKey().ReadString(name, "<none>");
    }

    CXdgScope xdg;
    CPtyPair pty;
    // No on-board ports or adapters of the test machine join the private ports folder.
    CPosixSerialDeviceHost host{{xdg.Path() / "none", xdg.Path() / "none", xdg.Path() / "none"}};
    SerialPlatform platform{&host, &SystemClock()};
    CProgramSettings settings;
};

TEST_F(CommDlgTest, FormHasItsCaptionTextsAndSizeAndOpensCentredAndGrey) {
    auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), "Configure Communications");
    EXPECT_EQ(Button(*dialog, "button1").text(), "OK");
    EXPECT_TRUE(Button(*dialog, "button1").isDefault());
    EXPECT_EQ(Button(*dialog, "button2").text(), "Cancel");
    EXPECT_EQ(Button(*dialog, "button260").text(), "Timeout");
    EXPECT_EQ(Button(*dialog, "button1017").text(), "Test");
    EXPECT_EQ(dialog->findChild<QGroupBox*>()->title(), "COM Port");
    // 171 x 103 dialog units; the headless desktop is 800 x 800.
    EXPECT_EQ(dialog->size(), QSize(257, 167));
    const QSize frame = dialog->frameGeometry().size();
    EXPECT_EQ(dialog->pos(), QPoint(400 - frame.width() / 2, 400 - frame.height() / 2));
    EXPECT_EQ(dialog->palette().color(QPalette::Window), QColor(192, 192, 192));
}

TEST_F(CommDlgTest, NoPortPresentOffersOnlyOfflineSelectedWithoutTimeout) {
    auto dialog = Open();
    EXPECT_EQ(Entries(*dialog), QStringList{"OFFLINE"});
    EXPECT_EQ(Selected(*dialog), 0);
    EXPECT_FALSE(Button(*dialog, "button260").isVisible());
}

TEST_F(CommDlgTest, StoredPortThatIsGoneOpensOnOfflineAndOkStoresNothing) {
    LinkCom1();
    settings.m_szPort = "COM3";
    auto dialog = Open();
    EXPECT_EQ(Entries(*dialog), (QStringList{"OFFLINE", "COM1"}));
    EXPECT_EQ(Selected(*dialog), 0);
    EXPECT_FALSE(Button(*dialog, "button260").isVisible());
    Button(*dialog, "button1").click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(settings.m_szPort, "COM3");
    EXPECT_EQ(Stored(kValuePort), "<none>");

    // Away to COM1 and back to OFFLINE is no change either.
    dialog = Open();
    List(*dialog).setCurrentRow(1);
    EXPECT_TRUE(Button(*dialog, "button260").isVisible());
    List(*dialog).setCurrentRow(0);
    Button(*dialog, "button1").click();
    EXPECT_EQ(settings.m_szPort, "COM3");
    EXPECT_EQ(Stored(kValuePort), "<none>");
}

TEST_F(CommDlgTest, OfflineChosenAfterCom1BecomesThePortAndIsStored) {
    LinkCom1();
    settings.m_szPort = "COM1";
    auto dialog = Open();
    EXPECT_EQ(Selected(*dialog), 1);
    EXPECT_TRUE(Button(*dialog, "button260").isVisible());
    List(*dialog).setCurrentRow(0);
    EXPECT_FALSE(Button(*dialog, "button260").isVisible());
    Button(*dialog, "button1").click();
    EXPECT_EQ(settings.m_szPort, "OFFLINE");
    EXPECT_EQ(Stored(kValuePort), "OFFLINE");
}

TEST_F(CommDlgTest, CancelStoresNothingAndSelectionCannotBeCleared) {
    LinkCom1();
    auto dialog = Open();
    List(*dialog).setCurrentRow(1);
    List(*dialog).clearSelection();
    EXPECT_EQ(Selected(*dialog), 1);
    Button(*dialog, "button2").click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_EQ(settings.m_szPort, "OFFLINE");
    EXPECT_EQ(Stored(kValuePort), "<none>");
}

TEST_F(CommDlgTest, TestButtonIsHiddenWithTheSwitchOffAndDoesNothingOnOffline) {
    LinkCom1();
    EXPECT_FALSE(Button(*Open(), "button1017").isVisible());
    settings.m_bTestEnabled = true;
    auto dialog = Open();
    EXPECT_TRUE(Button(*dialog, "button1017").isVisible());
    CModalCounter modals;
    Button(*dialog, "button1017").click();
    EXPECT_EQ(modals.count, 0);
}

TEST_F(CommDlgTest, TestRightAfterOpeningTestsTheStoredPortAtTheStoredRate) {
    LinkCom1();
    // Opened before the test dialog holds the terminal: it shows the rate the port was set to.
    const int observer = open(pty.SlavePath().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    settings.m_szPort = "COM1";
    settings.m_nBaud = 9600;
    settings.m_bTestEnabled = true;
    auto dialog = Open();
    CModalScript script;
    script.Then<CSerialTestDlg>([&](CSerialTestDlg& test) {
        EXPECT_TRUE(test.findChild<QPushButton*>("button1021")->isVisible());
        termios tio{};
        EXPECT_EQ(tcgetattr(observer, &tio), 0);
        EXPECT_EQ(cfgetospeed(&tio), B9600);
        test.findChild<QPushButton*>("button1020")->click();
    });
    Button(*dialog, "button1017").click();
    EXPECT_TRUE(script.Done());
    close(observer);
}

TEST_F(CommDlgTest, TimeoutConfirmedInAdvancedStaysAfterCancel) {
    LinkCom1();
    settings.m_szPort = "COM1";
    auto dialog = Open();
    CModalScript script;
    script.Then<CAdvCommDlg>([](CAdvCommDlg& advanced) {
        advanced.findChild<QComboBox*>("combo261")->setCurrentIndex(4);
        advanced.findChild<QPushButton*>("button1")->click();
    });
    Button(*dialog, "button260").click();
    EXPECT_TRUE(script.Done());
    Button(*dialog, "button2").click();
    EXPECT_EQ(settings.m_nTimeoutMs, 30000);
    EXPECT_EQ(Stored(kValueTimeout), "30000");
    EXPECT_EQ(Stored(kValuePort), "<none>");
}

} // namespace
