// own
#include "framework/qt/qt_ui_services.h"
#include "tests/support/scripted_message_boxes.h"

// Qt
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

TEST(MessageBox, AnswersEachButtonAndRecordsTextCaptionButtonsAndIcon) {
    CQtUiServices qtUi;
    CUiServices& ui = qtUi;
    CScriptedMessageBoxes boxes;
    const std::tuple<MsgButtons, MsgIcon, MsgAnswer> cases[] = {
        {MsgButtons::Ok, MsgIcon::None, MsgAnswer::Ok},
        {MsgButtons::OkCancel, MsgIcon::Exclamation, MsgAnswer::Cancel},
        {MsgButtons::YesNo, MsgIcon::Question, MsgAnswer::No},
        {MsgButtons::YesNo, MsgIcon::Question, MsgAnswer::Yes},
        {MsgButtons::YesNoCancel, MsgIcon::Stop, MsgAnswer::Cancel},
        {MsgButtons::YesNoCancel, MsgIcon::Information, MsgAnswer::No},
    };
    for (const auto& [buttons, icon, answer] : cases) {
        boxes.answers.push_back(answer);
        EXPECT_EQ(ui.MessageBox("Download Successful", "Download", buttons, icon), answer);
    }
    ASSERT_EQ(boxes.messages.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(boxes.messages[i].text, "Download Successful");
        EXPECT_EQ(boxes.messages[i].caption, "Download");
        EXPECT_EQ(boxes.messages[i].buttons, std::get<0>(cases[i]));
        EXPECT_EQ(boxes.messages[i].icon, std::get<1>(cases[i]));
    }
}

TEST(MessageBox, UnscriptedBoxGetsItsFirstButtonAndTheApplicationCaption) {
    CQtUiServices qtUi;
    CUiServices& ui = qtUi;
    CScriptedMessageBoxes boxes;
    EXPECT_EQ(ui.MessageBox("Delete station?", kAppTitle, MsgButtons::YesNo, MsgIcon::None),
              MsgAnswer::Yes);
    EXPECT_EQ(ui.MessageBox("Graphics DLL did not load properly"), MsgAnswer::Ok);
    EXPECT_EQ(boxes.messages.at(1).caption, "Quellton Corvantine");
}

TEST(MessageBox, SingleByteTextShowsAsItsCharactersAndNeverAsMarkup) {
    CQtUiServices qtUi;
    CUiServices& ui = qtUi;
    CScriptedMessageBoxes boxes;
    QString shown;
    Qt::TextFormat format = Qt::AutoText;
    boxes.onShown = [&](QMessageBox& box) {
        shown = box.text();
        format = box.textFormat();
    };
    ui.MessageBox("<b>Caf\xE9</b> \x80", "Z\xFCrich", MsgButtons::Ok, MsgIcon::None);
    EXPECT_EQ(shown, QString::fromUtf8("<b>Caf\u00e9</b> \u20ac"));
    EXPECT_EQ(format, Qt::PlainText);
    EXPECT_EQ(boxes.messages.at(0).text, "<b>Caf\xE9</b> \x80");
    EXPECT_EQ(boxes.messages.at(0).caption, "Z\xFCrich");
}

TEST(MessageBox, GreyWithBlackTextAndTheFirstButtonAsDefault) {
    CQtUiServices qtUi;
    CUiServices& ui = qtUi;
    CScriptedMessageBoxes boxes;
    QColor background, text;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
    boxes.onShown = [&](QMessageBox& box) {
        background = box.palette().color(QPalette::Window);
        text = box.palette().color(QPalette::WindowText);
        defaultButton = box.standardButton(box.defaultButton());
    };
    ui.MessageBox("Save changes?", kAppTitle, MsgButtons::YesNoCancel, MsgIcon::Question);
    EXPECT_EQ(background, QColor(192, 192, 192));
    EXPECT_EQ(text, QColor(Qt::black));
    EXPECT_EQ(defaultButton, QMessageBox::Yes);
}

TEST(MessageBox, EscapeAnswersCancelOrNoOrOk) {
    CQtUiServices qtUi;
    CUiServices& ui = qtUi;
    const std::pair<MsgButtons, MsgAnswer> cases[] = {
        {MsgButtons::Ok, MsgAnswer::Ok},
        {MsgButtons::OkCancel, MsgAnswer::Cancel},
        {MsgButtons::YesNo, MsgAnswer::No},
        {MsgButtons::YesNoCancel, MsgAnswer::Cancel},
    };
    for (const auto& [buttons, expected] : cases) {
        CModalScript script;
        script.Then<QMessageBox>([](QMessageBox& box) { QTest::keyClick(&box, Qt::Key_Escape); });
        EXPECT_EQ(ui.MessageBox("Cancel download?", kAppTitle, buttons, MsgIcon::None), expected);
    }
}

TEST(WaitCursor, NestsAndGivesWayToAnArrowOverAMessageBox) {
    CQtUiServices qtUi;
    CUiServices& ui = qtUi;
    CScriptedMessageBoxes boxes;
    std::optional<Qt::CursorShape> overBox;
    boxes.onShown = [&](QMessageBox&) { overBox = QGuiApplication::overrideCursor()->shape(); };
    {
        CWaitCursor outer(ui);
        {
            CWaitCursor inner(ui);
            ui.MessageBox("Port busy");
            EXPECT_EQ(overBox, Qt::ArrowCursor);
        }
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}
