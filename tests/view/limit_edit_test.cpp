// CLimitEdit with typed keys: the limit on typed characters, Enter, and single-byte text.

// own
#include "tests/support/qt_test_app.h"
#include "view/limit_edit.h"

// Qt
#include <QApplication>
#include <QKeyEvent>
#include <QTest>

// gtest
#include <gtest/gtest.h>

namespace {
// Types characters as a keyboard layout that has them would (QTest types ASCII only).
void Type(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

class LimitEdit : public ::testing::Test {
protected:
    void SetUp() override {
        edit = new CLimitEdit(&parent);
        edit->m_nLimit = 16;
        parent.setFocusPolicy(Qt::ClickFocus);
        parent.show();
        parent.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&parent));
        edit->setFocus();
    }
    QApplication& app = QtTestApp();
    QWidget parent;
    CLimitEdit* edit = nullptr;
};
} // namespace

TEST_F(LimitEdit, SeventeenthTypedCharacterIsRefused) {
    QTest::keyClicks(edit, "ABCDEFGHIJKLMNOPQ");
    EXPECT_EQ(edit->text(), "ABCDEFGHIJKLMNOP");
    QTest::keyClick(edit, Qt::Key_Space);
    EXPECT_EQ(edit->text().size(), 16);
}

TEST_F(LimitEdit, AccentedCharacterCountsTowardTheLimitToo) {
    edit->setText("ABCDEFGHIJKLMNOP");
    Type(edit, QString::fromUtf8("\u00e9"));
    EXPECT_EQ(edit->text(), "ABCDEFGHIJKLMNOP");
}

TEST_F(LimitEdit, AtTheLimitASelectionMayBeTypedOverAndKeysStillEdit) {
    edit->setText("ABCDEFGHIJKLMNOP");
    edit->setSelection(0, 1);
    QTest::keyClicks(edit, "Z");
    EXPECT_EQ(edit->text(), "ZBCDEFGHIJKLMNOP");
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClicks(edit, "Y");
    EXPECT_EQ(edit->text(), "ZBCDEFGHIJKLMNOY");
}

TEST_F(LimitEdit, TextSetByTheProgramIsNotLimited) {
    edit->setText("ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(edit->text().size(), 20);
}

TEST_F(LimitEdit, EnterGivesTheFocusToTheParentAndTypesNothing) {
    QTest::keyClicks(edit, "AB");
    QTest::keyClick(edit, Qt::Key_Return);
    EXPECT_TRUE(parent.hasFocus());
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Enter);
    EXPECT_TRUE(parent.hasFocus());
    EXPECT_EQ(edit->text(), "AB");
}

TEST_F(LimitEdit, CharacterWithoutASingleByteFormIsRefusedWhereTyped) {
    Type(edit, QString::fromUtf8("Caf\u00e9 \u20ac\u0141\u4e2d"));
    EXPECT_EQ(edit->text(), QString::fromUtf8("Caf\u00e9 \u20ac"));
}
