#pragma once
// CRecoveryAlarm: tells the user when recovery copies cannot be written, so that nobody believes
// unsaved changes are kept when they are not. The first failure after copies were being written
// says so in a message box and leaves the reason in the status bar; further failures say nothing
// more; the next copy written clears the status bar. One per application, shared by the
// documents' keepers. The ui services must outlive it.

// own
#include "framework/ui_services.h"

// std
#include <functional>
#include <string>

class CRecoveryAlarm {
public:
    explicit CRecoveryAlarm(CUiServices& ui) : m_ui(ui) {}

    // After every attempt to write a copy into `folder`: 0 when it was written, else the errno
    // of the failure.
    void Report(int error, const std::string& folder);
    bool Raised() const { return m_bRaised; }

    // "Unsaved changes are not being kept: the disk is full." for ENOSPC in any folder.
    static std::string Text(int error, const std::string& folder);

    // Shows the text in the status bar while copies fail; told an empty text when they work again.
    std::function<void(const std::string&)> onStatus;

private:
    CUiServices& m_ui;
    bool m_bRaised = false;
};
