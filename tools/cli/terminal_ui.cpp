// own
#include "tools/cli/terminal_ui.h"
#include "model/formats/text_excerpt.h"
#include "platform/cp1252.h"

// std
#include <algorithm>
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
    // The message's own line breaks stay; whatever it quotes is shown as terminal-safe text.
    std::string shown = subject.empty() ? "" : ForTerminal(subject) + ": ";
    const std::string utf8 = Cp1252ToUtf8(text);
    for (size_t from = 0, end = 0; from <= utf8.size(); from = end + 1) {
        end = std::min(utf8.find('\n', from), utf8.size());
        shown += ForTerminal(std::string_view(utf8).substr(from, end - from));
        if (end < utf8.size()) shown += '\n';
    }
    std::cerr << "corvantine-cli: " << shown << '\n';
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
