// CAdvCommDlg on widgets: its five entries, the time-out it opens on, and what OK stores.

// own
#include "app/adv_comm_dlg.h"
#include "platform/settings_key.h"
#include "tests/serial/xdg_scope.h"
#include "tests/support/qt_test_app.h"

// Qt
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class AdvCommDlgTest : public ::testing::Test {
protected:
    AdvCommDlgTest() { QtTestApp(); }

    std::unique_ptr<CAdvCommDlg> Open() {
        auto dialog = std::make_unique<CAdvCommDlg>(settings);
        dialog->show();
        return dialog;
    }
    static QComboBox& Combo(QWidget& dialog) { return *dialog.findChild<QComboBox*>("combo261"); }
    static void Press(QWidget& dialog, const char* name) {
        dialog.findChild<QPushButton*>(name)->click();
    }
    static std::string StoredTimeout() {
        return CSettingsKey().ReadString(kValueTimeout, "<none>");
    }

    CXdgScope xdg;
    CProgramSettings settings;
};

TEST_F(AdvCommDlgTest, FormHasItsFiveEntriesInOrderAndOpensCentredAndGrey) {
    auto dialog = Open();
    EXPECT_EQ(dialog->windowTitle(), "Advanced Communications");
    QStringList entries;
    for (int i = 0; i < Combo(*dialog).count(); ++i)
        entries << Combo(*dialog).itemText(i);
    EXPECT_EQ(entries,
              (QStringList{"1/2 Second ( faster, less reliable )", "1 Second", "3 Seconds *",
                           "10 Seconds", "30 Seconds ( slower, more reliable )"}));
    EXPECT_FALSE(Combo(*dialog).isEditable());
    QStringList labels;
    for (const QLabel* label : dialog->findChildren<QLabel*>())
        labels << label->text();
    EXPECT_EQ(labels, (QStringList{"Serial Port Timeout", " *  Indicates Default Selection"}));
    // 143 x 71 dialog units; the headless desktop is 800 x 800.
    EXPECT_EQ(dialog->size(), QSize(215, 115));
    const QSize frame = dialog->frameGeometry().size();
    EXPECT_EQ(dialog->pos(), QPoint(400 - frame.width() / 2, 400 - frame.height() / 2));
    EXPECT_EQ(dialog->palette().color(QPalette::Window), QColor(192, 192, 192));
}

TEST_F(AdvCommDlgTest, Stored2500OpensOn3SecondsWhichHoldsEvenOnCancelWhileTheStoreKeeps2500) {
    CSettingsKey().WriteInt(kValueTimeout, 2500);
    settings.LoadSettings();
    auto dialog = Open();
    EXPECT_EQ(Combo(*dialog).currentText(), "3 Seconds *");
    Press(*dialog, "button2");
    EXPECT_EQ(settings.m_nTimeoutMs, 3000);
    EXPECT_EQ(StoredTimeout(), "2500");
    CProgramSettings nextStart;
    nextStart.LoadSettings();
    EXPECT_EQ(nextStart.m_nTimeoutMs, 2500);
}

TEST_F(AdvCommDlgTest, ThirtySecondsChosenIsStoredAs30000) {
    auto dialog = Open();
    Combo(*dialog).setCurrentIndex(4);
    Press(*dialog, "button1");
    EXPECT_EQ(settings.m_nTimeoutMs, 30000);
    EXPECT_EQ(StoredTimeout(), "30000");
}

} // namespace
