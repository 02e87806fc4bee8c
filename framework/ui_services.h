#pragma once
// The one way the layers below the widgets talk to the user: message boxes, the open and save
// file dialogs and the wait cursor. The Qt layer implements it with real widgets, tests with a
// script that records every text and answers from a queue, the command-line tool on the terminal.
// All texts are single-byte (Windows-1252) strings, as the model stores them.

#include <optional>
#include <string>
#include <utility>
#include <vector>

inline constexpr const char* kAppTitle = "Quellton Corvantine";

enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgIcon { None, Information, Exclamation, Question, Stop };
enum class MsgAnswer { Ok, Cancel, Yes, No };

struct FileDialogRequest {
    std::string title;
    std::vector<std::pair<std::string, std::string>> filters; // display name, pattern ("*.kvx")
    std::string initialName;      // preselected path or file name
    bool mustExist = false;       // open: the chosen file must exist
    bool overwritePrompt = false; // save: ask before replacing a file
};

class CUiServices {
public:
    virtual ~CUiServices() = default;

    virtual MsgAnswer MessageBox(const std::string& text, const std::string& caption = kAppTitle,
                                 MsgButtons buttons = MsgButtons::Ok,
                                 MsgIcon icon = MsgIcon::None) = 0;
    // A notice with an OK button and the caption kAppTitle: `text` as given, and under it, as
    // the box's further text, `facts` (one line): where and why it failed, what to do next.
    virtual void MessageBoxWithFacts(const std::string& text, const std::string& facts) = 0;
    // The chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> AskOpenFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> AskSaveFileName(const FileDialogRequest& request) = 0;
    virtual void BeginWaitCursor() = 0;
    virtual void EndWaitCursor() = 0;
};

// Shows the wait cursor for the lifetime of the object.
class CWaitCursor {
public:
    explicit CWaitCursor(CUiServices& ui) : m_ui(ui) { m_ui.BeginWaitCursor(); }
    ~CWaitCursor() { m_ui.EndWaitCursor(); }
    CWaitCursor(const CWaitCursor&) = delete;
    CWaitCursor& operator=(const CWaitCursor&) = delete;

private:
    CUiServices& m_ui;
};
