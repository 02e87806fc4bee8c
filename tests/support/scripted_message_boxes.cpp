#include "tests/support/scripted_message_boxes.h"

// own
#include "framework/qt/cp1252.h"
#include "framework/qt/message_box.h"

// Qt
#include <QAbstractButton>

#include <gtest/gtest.h>

namespace {

std::string Bytes(const QString& text) {
    const auto bytes = ToCp1252(text);
    if (!bytes) ADD_FAILURE() << "message box text without a single-byte form";
    return bytes.value_or(text.toStdString());
}

} // namespace

std::vector<std::string> CScriptedMessageBoxes::Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages)
        texts.push_back(m.text);
    return texts;
}

std::function<void()> CScriptedMessageBoxes::OnModal(QWidget& widget) {
    auto* box = qobject_cast<QMessageBox*>(&widget);
    if (!box) return {};
    const auto buttons = MsgButtonsOf(box->standardButtons());
    if (!buttons) ADD_FAILURE() << "message box with buttons no MsgButtons value gives";
    messages.push_back({Bytes(box->text()), Bytes(box->windowTitle()),
                        buttons.value_or(MsgButtons::Ok), MsgIconOf(box->icon()),
                        Bytes(box->informativeText())});
    MsgAnswer answer = DefaultAnswer(buttons.value_or(MsgButtons::Ok));
    if (!answers.empty()) {
        answer = answers.front();
        answers.pop_front();
    }
    return [this, box, answer] {
        if (onShown) onShown(*box);
        QAbstractButton* button = box->button(StandardButtonOf(answer));
        if (!button) {
            ADD_FAILURE() << "message box \"" << box->text().toStdString()
                          << "\" has no button for the scripted answer";
            button = box->buttons().value(0);
        }
        if (button) button->click();
    };
}
