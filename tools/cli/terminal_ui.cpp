// own
#include "tools/cli/terminal_ui.h"
#include "platform/cp1252.h"

// std
#include <iostream>

void CTerminalUi::MessageBoxWithFacts(const std::string& text, const std::string& facts) {
    // The facts name what failed; about the subject itself they say all in one line.
    if (subject.empty()) {
        MessageBox(text, kAppTitle, MsgButtons::Ok, MsgIcon::None);
    } else {
        ++messages;
    }
    std::cerr << "corvantine-cli: " << Cp1252ToUtf8(facts) << '\n';
}

MsgAnswer CTerminalUi::MessageBox(const std::string& text, const std::string&, MsgButtons buttons,
                                  MsgIcon) {
    ++messages;
    std::cerr << "corvantine-cli: " << (subject.empty() ? "" : subject + ": ") << Cp1252ToUtf8(text)
              << '\n';
    switch (buttons) {
    case MsgButtons::Ok:
        return MsgAnswer::Ok;
    case MsgButtons::OkCancel:
        return answerYes ? MsgAnswer::Ok : MsgAnswer::Cancel;
    case MsgButtons::YesNo:
    case MsgButtons::YesNoCancel:
        return answerYes ? MsgAnswer::Yes : MsgAnswer::No;
    }
    return MsgAnswer::Ok;
}
