// own
#include "model/kv_doc.h"
#include "model/ui/max_zones_dlg.h"
#include "tests/support/modal_watcher.h"
#include "tests/support/qt_test_app.h"
#include "tests/support/scripted_message_boxes.h"

// Qt
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {
struct Doc {
    Doc() { doc.OnNewDocument(); } // Station1, 99 zones
    QApplication& app = QtTestApp();
    CScriptedUi ui;
    CKVDoc doc{ui};
};

QLineEdit& EditOf(QWidget& dlg) {
    return *dlg.findChild<QLineEdit*>("edit1006");
}

// Types `text` into the dialog RunMaxZonesDlg opens, presses OK, then Cancel if it stays open.
// The message boxes shown meanwhile, in order.
std::vector<RecordedMessage> RunWith(CKVDoc& doc, const QString& text, bool* accepted = nullptr) {
    CScriptedMessageBoxes boxes;
    CModalScript script;
    script.Then<QDialog>([&](QDialog& dlg) {
        EditOf(dlg).setText(text);
        dlg.findChild<QPushButton*>("button1")->click();
        if (dlg.isVisible()) dlg.findChild<QPushButton*>("button2")->click();
    });
    const bool ok = RunMaxZonesDlg(doc);
    if (accepted) *accepted = ok;
    return boxes.messages;
}
} // namespace

TEST(MaxZonesDlg, ShowsTheTitlePromptAndCurrentNumberCentred) {
    Doc d;
    CMaxZonesDlg dlg;
    dlg.m_pDoc = &d.doc;
    dlg.m_nMaxZones = 42;
    dlg.show();
    EXPECT_EQ(dlg.windowTitle(), "Configuration");
    EXPECT_EQ(dlg.findChild<QLabel*>("labelPrompt")->text(),
              "Enter the maximum number of paging zones used in this facility.  The absolute "
              "maximum is 99.");
    EXPECT_EQ(EditOf(dlg).text(), "42");
    EXPECT_EQ(dlg.findChild<QPushButton*>("button1")->text(), "OK");
    EXPECT_EQ(dlg.findChild<QPushButton*>("button2")->text(), "Cancel");
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    const QSize size = dlg.frameGeometry().size();
    EXPECT_EQ(dlg.pos(), QPoint(desktop.width() / 2 - size.width() / 2,
                                desktop.height() / 2 - size.height() / 2));
    EXPECT_EQ(dlg.palette().color(QPalette::Window), QColor(192, 192, 192));
}

TEST(MaxZonesDlg, OpensWithTheFocusInTheNumberSelectedToBeTypedOver) {
    Doc d;
    d.doc.m_nMaxZones = 42;
    CModalScript script;
    script.Then<QDialog>([&](QDialog& dlg) {
        EXPECT_EQ(dlg.focusWidget(), &EditOf(dlg));
        EXPECT_EQ(EditOf(dlg).selectedText(), "42");
        // The edit's label names it, for screen readers.
        EXPECT_EQ(dlg.findChild<QLabel*>("labelPrompt")->buddy(), &EditOf(dlg));
        QTest::keyClicks(&EditOf(dlg), "12");
        dlg.findChild<QPushButton*>("button1")->click();
    });
    EXPECT_TRUE(RunMaxZonesDlg(d.doc));
    EXPECT_EQ(d.doc.m_nMaxZones, 12);
}

TEST(MaxZonesDlg, RefusesZero100AndLettersOnceEachAndStaysOpen) {
    Doc d;
    const std::pair<const char*, const char*> cases[] = {
        {"0", "Please enter an integer between 1 and 99."},
        {"100", "Please enter an integer between 1 and 99."},
        {"abc", "Please enter an integer."},
    };
    for (const auto& [text, message] : cases) {
        CMaxZonesDlg dlg;
        dlg.m_pDoc = &d.doc;
        dlg.m_nMaxZones = 99;
        dlg.show();
        EditOf(dlg).setText(text);
        CScriptedMessageBoxes boxes;
        dlg.OnOK();
        ASSERT_EQ(boxes.messages.size(), 1u) << text;
        EXPECT_EQ(boxes.messages[0].text, message);
        EXPECT_EQ(boxes.messages[0].caption, "Quellton Corvantine");
        EXPECT_TRUE(dlg.isVisible());
        EXPECT_EQ(dlg.result(), QDialog::Rejected);
        EXPECT_EQ(EditOf(dlg).selectedText(), text) << "ready to be typed over";
    }
}

TEST(MaxZonesDlg, LoweringBelowAnEnabledZoneNamesItAndKeepsTheNumber) {
    Doc d;
    d.doc.m_pStations[0]->m_Buttons[1].ToggleZone(11);
    const auto messages = RunWith(d.doc, "10");
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].caption, "Setting Maximum Paging Zones");
    EXPECT_EQ(messages[0].text, "Station \"Station1\" Button HB-02 Zone 12 is enabled.\n\nYou "
                                "must disable it before reducing the number of maximum zones "
                                "below it.");
    EXPECT_EQ(d.doc.m_nMaxZones, 99);
    EXPECT_FALSE(d.doc.IsModified());
}

TEST(MaxZonesDlg, OkGivesTheDocumentTheNumberAndMarksItModified) {
    Doc d;
    d.doc.m_SoftButtons[0].ToggleZone(49); // zone 50
    bool accepted = false;
    EXPECT_TRUE(RunWith(d.doc, "50", &accepted).empty());
    EXPECT_TRUE(accepted);
    EXPECT_EQ(d.doc.m_nMaxZones, 50);
    EXPECT_TRUE(d.doc.IsModified());
}

TEST(MaxZonesDlg, TheCurrentNumberIsAcceptedWithoutAChange) {
    Doc d;
    bool accepted = false;
    EXPECT_TRUE(RunWith(d.doc, "99", &accepted).empty());
    EXPECT_TRUE(accepted);
    EXPECT_FALSE(d.doc.IsModified());
}

TEST(MaxZonesDlg, CancelChangesNothing) {
    Doc d;
    CModalScript script;
    script.Then<QDialog>([](QDialog& dlg) {
        EditOf(dlg).setText("20");
        dlg.findChild<QPushButton*>("button2")->click();
    });
    EXPECT_FALSE(RunMaxZonesDlg(d.doc));
    EXPECT_EQ(d.doc.m_nMaxZones, 99);
}
