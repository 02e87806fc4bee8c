#pragma once
// CDownloadProgress: the progress of a download on widgets. It shows a CDownloadDlg with window
// modality, so the other windows take no input while the download runs on the user-interface
// thread, yet no nested event loop runs: PumpMessages lets the toolkit handle what is waiting and
// reports a cancel. Once the download has succeeded, WaitForClose waits on an event loop (no
// polling) until the button, now "Close", is pressed. The dialog is owned here and destroyed on a
// cancel seen by the pump or by CloseProgress.

// own
#include "download/download_ui.h"
#include "download/ui/download_dlg.h"

// std
#include <memory>

class CDownloadProgress : public CDownloadUi {
public:
    void ShowProgress() override;
    void SetStatus(const std::string& text) override;
    void SetProgress(const DownloadProgress& progress) override;
    bool PumpMessages() override;
    void SetCancelButtonText(const std::string& text) override;
    void WaitForClose() override;
    void CloseProgress() override;

    // The dialog while it exists, else null.
    CDownloadDlg* Dialog() const { return m_pDlg.get(); }

private:
    std::unique_ptr<CDownloadDlg> m_pDlg;
};
