// CSerialTestDlg over a pseudo-terminal linked as COM1 in a private ports folder: the buttons
// move the right bytes and the boxes show what they must.

// own
#include "platform/serial_device_posix.h"
#include "serial/ui/serial_test_dlg.h"
#include "tests/serial/pty_pair.h"
#include "tests/serial/xdg_scope.h"
#include "tests/support/qt_test_app.h"

// Qt
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<uint8_t>;

class SerialTestDlgTest : public ::testing::Test {
protected:
    SerialTestDlgTest() {
        QtTestApp();
        xdg.Ports().Relink(1, pty.SlavePath());
    }

    std::unique_ptr<CSerialTestDlg> Open(const std::string& port) {
        auto dialog = std::make_unique<CSerialTestDlg>(port, 19200, kTimeoutMs, nullptr, platform);
        dialog->show();
        return dialog;
    }
    static QLineEdit& Edit(QWidget& dialog, const char* name) {
        return *dialog.findChild<QLineEdit*>(name);
    }
    // Types text key by key, as a user would, characters beyond ASCII included.
    static void Type(QLineEdit& edit, const QString& text) {
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, &edit, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
    static QPushButton& Button(QWidget& dialog, const char* name) {
        return *dialog.findChild<QPushButton*>(name);
    }

    static constexpr int kTimeoutMs = 50;
    CXdgScope xdg;
    CPtyPair pty;
    // No on-board ports or adapters of the test machine join the private ports folder.
    CPosixSerialDeviceHost host{{xdg.Path() / "none", xdg.Path() / "none", xdg.Path() / "none"}};
    SerialPlatform platform{&host, &SystemClock()};
};

TEST_F(SerialTestDlgTest, SendPutsTheTypedBytesAndNothingElseOnTheLine) {
    auto dialog = Open("COM1");
    QTest::keyClicks(&Edit(*dialog, "edit1018"), "AB");
    Button(*dialog, "button1021").click();
    EXPECT_EQ(pty.Receive(2), (Bytes{0x41, 0x42}));
    EXPECT_EQ(pty.Drain(), Bytes{});
}

TEST_F(SerialTestDlgTest, SendTakesCharactersAsWindows1252Bytes) {
    auto dialog = Open("COM1");
    Type(Edit(*dialog, "edit1018"), QString::fromUtf8("é€"));
    Button(*dialog, "button1021").click();
    EXPECT_EQ(pty.Receive(2), (Bytes{0xE9, 0x80}));
}

TEST_F(SerialTestDlgTest, UpperBoxTakesAtMost500CharactersAndNoneWithoutAByte) {
    auto dialog = Open("COM1");
    QLineEdit& edit = Edit(*dialog, "edit1018");
    Type(edit, QString::fromUtf8("A\u4E00B"));
    EXPECT_EQ(edit.text(), "AB");
    edit.clear();
    QTest::keyClicks(&edit, QString(510, 'x'));
    EXPECT_EQ(edit.text().size(), 500);
}

TEST_F(SerialTestDlgTest, ReceiveShowsTheBytesThatCameBeforeTheSilence) {
    auto dialog = Open("COM1");
    pty.Send(Bytes{0x48, 0x49});
    Button(*dialog, "button1023").click();
    EXPECT_EQ(Edit(*dialog, "edit1019").text(), "HI");
}

TEST_F(SerialTestDlgTest, ZeroByteEndsTheReadingAndEachReceiveReplacesTheText) {
    auto dialog = Open("COM1");
    pty.Send(Bytes{'A', 'B', 0, 'C'});
    Button(*dialog, "button1023").click();
    EXPECT_EQ(Edit(*dialog, "edit1019").text(), "AB");
    Button(*dialog, "button1023").click();
    EXPECT_EQ(Edit(*dialog, "edit1019").text(), "C");
}

TEST_F(SerialTestDlgTest, ReceiveWithNothingArrivingLeavesTheBoxUnchanged) {
    auto dialog = Open("COM1");
    Edit(*dialog, "edit1019").setText("earlier");
    Button(*dialog, "button1023").click();
    EXPECT_EQ(Edit(*dialog, "edit1019").text(), "earlier");
}

TEST_F(SerialTestDlgTest, ClearButtonsEmptyOnlyTheirOwnBox) {
    auto dialog = Open("COM1");
    Edit(*dialog, "edit1018").setText("up");
    Edit(*dialog, "edit1019").setText("down");
    Button(*dialog, "button1022").click();
    EXPECT_EQ(Edit(*dialog, "edit1018").text(), "");
    EXPECT_EQ(Edit(*dialog, "edit1019").text(), "down");
    Button(*dialog, "button1024").click();
    EXPECT_EQ(Edit(*dialog, "edit1019").text(), "");
}

TEST_F(SerialTestDlgTest, PortThatCannotBeOpenedLeavesOnlyExit) {
    auto dialog = Open("COM5");
    for (const char* name : {"button1021", "button1022", "button1023", "button1024"})
        EXPECT_FALSE(Button(*dialog, name).isVisible()) << name;
    EXPECT_TRUE(Button(*dialog, "button1020").isVisible());
    EXPECT_EQ(Edit(*dialog, "edit1018").text(), "Failed To Open Com Port. Please press Exit");
}

TEST_F(SerialTestDlgTest, ExitEndsAsOkAndTheDialogReleasesThePort) {
    auto dialog = Open("COM1");
    EXPECT_EQ(dialog->windowTitle(), "Serial test");
    Button(*dialog, "button1020").click();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    // The port is held exclusively while the dialog lives.
    CSerialPort other(platform);
    EXPECT_EQ(other.Open("COM1", 19200), SERIAL_CREATE_FAILED);
    dialog.reset();
    EXPECT_EQ(other.Open("COM1", 19200), SERIAL_OK);
}

} // namespace
