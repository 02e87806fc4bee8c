#pragma once
// A CUiServices for tests: records every message box and file dialog, answers from queues.
// An empty answer queue answers a message box with its first button (Ok or Yes) and a file
// dialog with a cancel.

#include "framework/ui_services.h"

#include <deque>
#include <string>
#include <vector>

struct RecordedMessage {
    std::string text;
    std::string caption;
    MsgButtons buttons;
    MsgIcon icon;
    std::string facts; // the further text, when there is one
};

class CScriptedUi : public CUiServices {
public:
    MsgAnswer MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                         MsgIcon icon) override;
    void MessageBoxWithFacts(const std::string& text, const std::string& facts) override {
        messages.push_back({text, kAppTitle, MsgButtons::Ok, MsgIcon::None, facts});
    }
    std::optional<std::string> AskOpenFileName(const FileDialogRequest& request) override;
    std::optional<std::string> AskSaveFileName(const FileDialogRequest& request) override;
    void BeginWaitCursor() override { ++waitCursorDepth, ++waitCursorShown; }
    void EndWaitCursor() override { --waitCursorDepth; }

    // Texts of the recorded messages, in order.
    std::vector<std::string> Texts() const;

    std::vector<RecordedMessage> messages;
    std::vector<FileDialogRequest> fileDialogs;
    std::deque<MsgAnswer> answers;
    std::deque<std::optional<std::string>> fileAnswers;
    int waitCursorDepth = 0;
    int waitCursorShown = 0;
};
