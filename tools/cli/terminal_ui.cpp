// own
#include "tools/cli/terminal_ui.h"
#include "platform/cp1252.h"

// std
#include <iostream>

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
