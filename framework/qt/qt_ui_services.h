#pragma once
// The ui services on real widgets. Message boxes and file dialogs are modal to the application's
// active window; the wait cursor is the application's override cursor and nests.

// own
#include "framework/ui_services.h"

class CQtUiServices : public CUiServices {
public:
    MsgAnswer MessageBox(const std::string& text, const std::string& caption, MsgButtons buttons,
                         MsgIcon icon) override;
    void MessageBoxWithFacts(const std::string& text, const std::string& facts) override;
    std::optional<std::string> AskOpenFileName(const FileDialogRequest& request) override;
    std::optional<std::string> AskSaveFileName(const FileDialogRequest& request) override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
};
