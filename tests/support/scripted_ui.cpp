#include "tests/support/scripted_ui.h"

MsgAnswer CScriptedUi::MessageBox(const std::string& text, const std::string& caption,
                                  MsgButtons buttons, MsgIcon icon) {
    messages.push_back({text, caption, buttons, icon, {}});
    if (!answers.empty()) {
        const MsgAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return buttons == MsgButtons::YesNo || buttons == MsgButtons::YesNoCancel ? MsgAnswer::Yes
                                                                               : MsgAnswer::Ok;
}

std::optional<std::string> CScriptedUi::AskOpenFileName(const FileDialogRequest& request) {
    fileDialogs.push_back(request);
    if (fileAnswers.empty()) return std::nullopt;
    auto answer = fileAnswers.front();
    fileAnswers.pop_front();
    return answer;
}

std::optional<std::string> CScriptedUi::AskSaveFileName(const FileDialogRequest& request) {
    return AskOpenFileName(request);
}

std::vector<std::string> CScriptedUi::Texts() const {
    std::vector<std::string> texts;
    for (const auto& m : messages) texts.push_back(m.text);
    return texts;
}
