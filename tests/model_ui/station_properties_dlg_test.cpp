// own
#include "model/kv_doc.h"
#include "model/ui/station_properties_dlg.h"
#include "tests/support/qt_test_app.h"
#include "tests/support/scripted_message_boxes.h"

// Qt
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {
const char* const kRadios[] = {"radio1001", "radio1002", "radio1008",
                               "radio1010", "radio1007", "radio1015"};

struct Dialog {
    explicit Dialog(bool b48ButtonOK = false, int typeIndex = 0) : dlg(doc, b48ButtonOK) {
        doc.OnNewDocument(); // Station1 on port 1, address 1
        dlg.m_strName = "Station2";
        dlg.m_nTypeIndex = typeIndex;
        dlg.m_strPort = "2";
        dlg.m_strAddress = "1";
        dlg.m_strGroup = "1";
        dlg.show();
    }
    template <class T = QWidget> T& Control(const char* name) {
        T* control = dlg.findChild<T*>(name);
        if (!control) throw std::runtime_error(std::string("no control ") + name);
        return *control;
    }
    QLineEdit& Edit(int id) { return Control<QLineEdit>(("edit" + std::to_string(id)).c_str()); }
    bool Shown(const char* name) { return Control(name).isVisible(); }
    // OK pressed with `text` in edit `id`: the caption of the refusal, or "" when it closed.
    std::string CaptionAfterOk(int id, const char* text) {
        Edit(id).setText(text);
        CScriptedMessageBoxes boxes;
        dlg.setResult(QDialog::Rejected);
        Control<QPushButton>("button1").click();
        if (boxes.messages.empty()) return dlg.result() == QDialog::Accepted ? "" : "<open>";
        EXPECT_EQ(boxes.messages.size(), 1u);
        EXPECT_TRUE(dlg.isVisible()) << "stays open after a refusal";
        return boxes.messages[0].caption;
    }

    QApplication& app = QtTestApp();
    CScriptedUi ui;
    CKVDoc doc{ui};
    CStationPropertiesDlg dlg;
};
} // namespace

TEST(StationPropertiesDlg, ControlsCarryTheirIdsAndTexts) {
    Dialog d(true);
    EXPECT_EQ(d.dlg.windowTitle(), "Station Properties");
    const std::pair<const char*, const char*> texts[] = {
        {"labelStationName", "Station Name"},
        {"labelStationInput", "Station Input"},
        {"labelPacPortAddress", "PAC Port Address"},
        {"label1014", "10 Button Break-Out LCD Text"},
        {"label1016", "Group Number"},
    };
    for (const auto& [name, text] : texts)
        EXPECT_EQ(d.Control<QLabel>(name).text(), text);
    const char* radioTexts[] = {"4 Button Paging Station",  "10 Button Paging Station",
                                "4 Button Break-Out",       "10 Button Break-Out",
                                "48 Button Paging Station", "48 Button Break-Out"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(d.Control<QRadioButton>(kRadios[i]).text(), radioTexts[i]);
    EXPECT_EQ(d.Control<QPushButton>("button1").text(), "OK");
    EXPECT_EQ(d.Control<QPushButton>("button2").text(), "Cancel");
    EXPECT_TRUE(d.Control<QPushButton>("button1").isDefault());
    for (int id : {1003, 1004, 1005, 1013, 1026})
        EXPECT_NO_THROW(d.Edit(id));
}

TEST(StationPropertiesDlg, NewStationChangesTheCaption) {
    Dialog d;
    d.dlg.hide();
    d.dlg.m_bNewStation = true;
    d.dlg.show();
    EXPECT_EQ(d.dlg.windowTitle(), "New Station Properties");
}

TEST(StationPropertiesDlg, FieldsGoIntoTheControlsAndBackWithTheRadioOrder) {
    for (int index = 0; index < 6; ++index) {
        Dialog d(true, index);
        EXPECT_TRUE(d.Control<QRadioButton>(kRadios[index]).isChecked()) << index;
        EXPECT_EQ(d.Edit(1003).text(), "Station2");
        EXPECT_EQ(d.Edit(1004).text(), "2");
        d.Control<QRadioButton>(kRadios[5 - index]).click();
        d.Edit(1003).setText(QString::fromUtf8("Caf\u00e9 \u20ac"));
        d.Edit(1013).setText("Welcome");
        d.Edit(1005).setText("7");
        d.Edit(1026).setText("9");
        d.dlg.DoDataExchange(true);
        EXPECT_EQ(d.dlg.m_nTypeIndex, 5 - index);
        EXPECT_EQ(d.dlg.m_strName, "Caf\xE9 \x80");
        EXPECT_EQ(d.dlg.m_strLcdText, "Welcome");
        EXPECT_EQ(d.dlg.m_strAddress, "7");
        EXPECT_EQ(d.dlg.m_strGroup, "9");
    }
}

TEST(StationPropertiesDlg, Only4And10ButtonTypesShowWithout48ButtonSwitch) {
    Dialog off(false);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(off.Shown(kRadios[i]), i < 4) << kRadios[i];
    Dialog on(true);
    for (const char* radio : kRadios)
        EXPECT_TRUE(on.Shown(radio)) << radio;
}

TEST(StationPropertiesDlg, CheckedTypeShowsGroupForBreakOutsAndLcdTextFor10ButtonBreakOut) {
    Dialog d(true, 3);
    EXPECT_TRUE(d.Shown("edit1026") && d.Shown("label1016"));
    EXPECT_TRUE(d.Shown("edit1013") && d.Shown("label1014"));
    // Radio, group shown, LCD text shown.
    const std::tuple<const char*, bool, bool> clicks[] = {
        {"radio1008", true, false},  {"radio1001", false, false}, {"radio1010", true, true},
        {"radio1002", false, false}, {"radio1015", true, false},  {"radio1007", false, false},
    };
    for (const auto& [radio, group, lcd] : clicks) {
        QTest::mouseClick(&d.Control<QRadioButton>(radio), Qt::LeftButton);
        EXPECT_EQ(d.Shown("edit1026"), group) << radio;
        EXPECT_EQ(d.Shown("label1016"), group) << radio;
        EXPECT_EQ(d.Shown("edit1013"), lcd) << radio;
        EXPECT_EQ(d.Shown("label1014"), lcd) << radio;
    }
}

TEST(StationPropertiesDlg, HidingTheTypeFieldsMovesNothing) {
    Dialog d(true, 3);
    const QSize size = d.dlg.size();
    const QPoint ok = d.Control("button1").pos();
    d.Control<QRadioButton>("radio1001").click();
    QApplication::processEvents();
    EXPECT_EQ(d.dlg.size(), size);
    EXPECT_EQ(d.Control("button1").pos(), ok);
}

TEST(StationPropertiesDlg, OkRefusesEachEntryWithItsCaptionAndStaysOpen) {
    Dialog d;
    EXPECT_EQ(d.CaptionAfterOk(1004, "0"), "Invalid Port");
    EXPECT_EQ(d.CaptionAfterOk(1004, "17"), "Invalid Port");
    EXPECT_EQ(d.CaptionAfterOk(1004, "ab"), "Invalid Port");
    EXPECT_EQ(d.Edit(1004).text(), "ab") << "the user's entry stays";
    EXPECT_EQ(d.CaptionAfterOk(1004, "1"), "Invalid Port/Address") << "Station1's pair";
    EXPECT_EQ(d.CaptionAfterOk(1026, "0"), "Invalid Port/Address") << "hidden, not checked";
    d.Control<QRadioButton>("radio1008").click();
    EXPECT_EQ(d.CaptionAfterOk(1026, "0"), "Invalid Group");
    EXPECT_EQ(d.CaptionAfterOk(1026, "16"), "Invalid Port/Address");
    EXPECT_EQ(d.CaptionAfterOk(1005, "16"), "Invalid Address");
    EXPECT_EQ(d.CaptionAfterOk(1005, "2"), "");
    EXPECT_FALSE(d.dlg.isVisible());
}

TEST(StationPropertiesDlg, AGroupLeftBehindByAPagingTypeDoesNotBlockOk) {
    Dialog d(false, 2); // 4 Button Break-Out
    d.Edit(1026).setText("17");
    d.Control<QRadioButton>("radio1001").click();
    EXPECT_FALSE(d.Shown("edit1026"));
    EXPECT_EQ(d.CaptionAfterOk(1005, "1"), "");
}

TEST(StationPropertiesDlg, OkRefusesAStationTheControllerHasNoRoomFor) {
    Dialog d;
    for (int n = 0; n < 47; ++n) // 47 x 632 and Station1's 60: 406 bytes left
        d.doc.m_pStations.emplace_back(std::make_unique<CStation>())->SetType(48);
    d.dlg.m_bCheckMemory = true;
    d.Control<QRadioButton>("radio1002").click();                              // 298 would fit
    d.doc.m_pStations.emplace_back(std::make_unique<CStation>())->SetType(10); // 108 left
    d.Edit(1005).setText("15");
    CScriptedMessageBoxes boxes;
    d.dlg.OnOK();
    ASSERT_EQ(boxes.messages.size(), 1u);
    EXPECT_EQ(boxes.messages[0].caption, "Add/Insert Station");
    EXPECT_EQ(boxes.messages[0].text,
              "There is not enough memory in the PA Controller to add this station");
    EXPECT_TRUE(d.dlg.isVisible());
}

TEST(StationPropertiesDlg, NameAndLcdTextTakeNoMoreThanTheModelHolds) {
    Dialog d(false, 3);
    d.Edit(1003).clear();
    QTest::keyClicks(&d.Edit(1003), QString(30, 'n'));
    EXPECT_EQ(d.Edit(1003).text(), QString(25, 'n'));
    d.Edit(1013).clear();
    QTest::keyClicks(&d.Edit(1013), QString(20, 'l'));
    EXPECT_EQ(d.Edit(1013).text(), QString(16, 'l'));
}

TEST(StationPropertiesDlg, RefusesCharactersWithoutASingleByteForm) {
    Dialog d;
    QLineEdit& name = d.Edit(1003);
    name.clear();
    for (const QChar c : QString::fromUtf8("A\u0394\u00e9\u4e2d\u20acB"))
        QTest::sendKeyEvent(QTest::Click, &name, Qt::Key_unknown, QString(c), Qt::NoModifier);
    EXPECT_EQ(name.text(), QString::fromUtf8("A\u00e9\u20acB"));
    name.selectAll();
    name.insert(QString::fromUtf8("\u0394")); // as a paste inserts
    EXPECT_EQ(name.text(), QString::fromUtf8("A\u00e9\u20acB"));
}

TEST(StationPropertiesDlg, OpensCentredOnTheDesktopInTheDialogColours) {
    Dialog d;
    const QRect desktop = QGuiApplication::primaryScreen()->geometry();
    const QSize size = d.dlg.frameGeometry().size();
    EXPECT_EQ(d.dlg.pos(), QPoint(desktop.left() + desktop.width() / 2 - size.width() / 2,
                                  desktop.top() + desktop.height() / 2 - size.height() / 2));
    EXPECT_EQ(d.dlg.palette().color(QPalette::Window), QColor(192, 192, 192));
}
