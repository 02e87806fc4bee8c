// Qt events as grid window messages: packing, signs and key codes.

// own
#include "view/grid_messages.h"

// Qt
#include <QKeyEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QWheelEvent>

// gtest
#include <gtest/gtest.h>

namespace {
int16_t Low(intptr_t value) {
    return static_cast<int16_t>(value & 0xFFFF);
}
int16_t High(intptr_t value) {
    return static_cast<int16_t>((value >> 16) & 0xFFFF);
}
} // namespace

TEST(GridMessagesTest, MousePositionsLeftOfOrAboveTheWindowStayNegative) {
    const QMouseEvent move(QEvent::MouseMove, QPointF(-5, -40), QPointF(-5, -40), Qt::NoButton,
                           Qt::LeftButton, Qt::ShiftModifier);
    const auto message = ToGridMessage(move);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->msg, KV_WM_MOUSEMOVE);
    EXPECT_EQ(Low(message->lParam), -5);
    EXPECT_EQ(High(message->lParam), -40);
    EXPECT_EQ(message->wParam, static_cast<KVWPARAM>(KV_MK_LBUTTON | KV_MK_SHIFT));
}

TEST(GridMessagesTest, FarPositionsSaturateInsteadOfWrapping) {
    const QMouseEvent move(QEvent::MouseMove, QPointF(40000, 70000), QPointF(), Qt::NoButton,
                           Qt::LeftButton, Qt::NoModifier);
    const auto message = ToGridMessage(move);
    ASSERT_TRUE(message);
    EXPECT_EQ(Low(message->lParam), 32767);
    EXPECT_EQ(High(message->lParam), 32767);
}

TEST(GridMessagesTest, WheelTowardTheUserIsNegativeAndHorizontalTurnsCountRight) {
    const QWheelEvent down(QPointF(10, 20), QPointF(), QPoint(), QPoint(0, -120), Qt::NoButton,
                           Qt::NoModifier, Qt::NoScrollPhase, false);
    const auto vertical = ToGridMessage(down);
    ASSERT_TRUE(vertical);
    EXPECT_EQ(vertical->msg, KV_WM_MOUSEWHEEL);
    EXPECT_EQ(High(static_cast<intptr_t>(vertical->wParam)), -120);

    const QWheelEvent left(QPointF(10, 20), QPointF(), QPoint(), QPoint(120, 0), Qt::NoButton,
                           Qt::NoModifier, Qt::NoScrollPhase, false);
    const auto horizontal = ToGridMessage(left);
    ASSERT_TRUE(horizontal);
    EXPECT_EQ(horizontal->msg, KV_WM_MOUSEHWHEEL);
    EXPECT_EQ(High(static_cast<intptr_t>(horizontal->wParam)), -120);
}

TEST(GridMessagesTest, KeysBecomeVirtualKeyCodesAndBacktabIsShiftTab) {
    const QKeyEvent backtab(QEvent::KeyPress, Qt::Key_Backtab, Qt::NoModifier);
    const auto message = ToGridMessage(backtab);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->msg, KV_WM_KEYDOWN);
    EXPECT_EQ(message->wParam, static_cast<KVWPARAM>(KV_VK_TAB));
    EXPECT_EQ(message->lParam, KV_MK_SHIFT);

    EXPECT_EQ(ToVirtualKey(Qt::Key_Delete), KV_VK_DELETE);
    EXPECT_EQ(ToVirtualKey(Qt::Key_PageDown), KV_VK_NEXT);
    EXPECT_FALSE(ToVirtualKey(Qt::Key_A));
    const QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, "a");
    EXPECT_FALSE(ToGridMessage(letter));
}

TEST(GridMessagesTest, ResizePacksWidthAndHeight) {
    const QResizeEvent resize(QSize(1200, 900), QSize(10, 10));
    const auto message = ToGridMessage(resize);
    ASSERT_TRUE(message);
    EXPECT_EQ(message->msg, KV_WM_SIZE);
    EXPECT_EQ(message->lParam & 0xFFFF, 1200);
    EXPECT_EQ((message->lParam >> 16) & 0xFFFF, 900);
}
