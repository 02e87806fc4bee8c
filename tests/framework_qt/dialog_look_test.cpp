// own
#include "framework/qt/dialog_centring.h"
#include "framework/qt/dialog_colours.h"
#include "tests/support/qt_test_app.h"

// Qt
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>

#include <gtest/gtest.h>

TEST(DialogLook, GreyBackgroundAndBlackTextButEditBoxesAndDisabledTextUntouched) {
    QtTestApp();
    QDialog dialog;
    auto* label = new QLabel("Zone Name", &dialog);
    auto* edit = new QLineEdit(&dialog);
    const QColor base = edit->palette().color(QPalette::Base);
    const QColor disabledText = dialog.palette().color(QPalette::Disabled, QPalette::WindowText);
    ApplyDialogColours(dialog);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        EXPECT_EQ(dialog.palette().color(group, QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(dialog.palette().color(QPalette::Active, QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(192, 192, 192));
    EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(edit->palette().color(QPalette::Base), base);
    EXPECT_EQ(dialog.palette().color(QPalette::Disabled, QPalette::WindowText), disabledText);
    EXPECT_TRUE(dialog.autoFillBackground());
}

TEST(DialogLook, CentresOnTheDesktopTruncatingEachHalfAndKeepsItsSize) {
    QtTestApp();
    // The headless screen is 800 x 800 at the origin.
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, 800, 800));
    QDialog dialog;
    dialog.setFixedSize(301, 203);
    dialog.move(17, 500);
    CentreOnDesktop(dialog);
    EXPECT_EQ(dialog.pos(), QPoint(400 - 150, 400 - 101));
    EXPECT_EQ(dialog.size(), QSize(301, 203));

    dialog.setFixedSize(1001, 901); // larger than the desktop: off its top-left edge
    CentreOnDesktop(dialog);
    EXPECT_EQ(dialog.pos(), QPoint(400 - 500, 400 - 450));
}
