#pragma once
// CUiServices on a terminal, for the command-line tool: message texts go to standard error as
// UTF-8 lines; a question is answered Yes only when the user said so beforehand (--yes); there
// are no file dialogs (they answer as cancelled) and no cursor.

// own
#include "framework/ui_services.h"

class CTerminalUi : public CUiServices {
public:
    MsgAnswer MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                         MsgIcon icon) override;
    // The text, then the facts on one more line; the facts alone while a subject is set.
    void MessageBoxWithFacts(const std::string& text, const std::string& facts) override;
    std::optional<std::string> AskOpenFileName(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> AskSaveFileName(const FileDialogRequest&) override { return {}; }
    void BeginWaitCursor() override {}
    void EndWaitCursor() override {}

    // Answer to questions: Yes (or Ok) when set, otherwise No (or Cancel).
    bool answerYes = false;
    // Message boxes shown so far.
    int messages = 0;
    // Named before each message when set: the file the command works on.
    std::string subject;
};
