#pragma once
// CDownloadDlg: the small progress window of a download, caption "Download": one status line
// (control 1092), a bar of the image on its way with what is done and the time left (shown once
// the image goes out) and a Cancel button (control 2, the default button), which later reads
// "Close". Cancel, Escape and the window's close box only set m_bCancelled, and while the
// download runs they show at once that the cancel was taken; whoever runs the download looks at
// the flag and destroys the window. Opens centred on the desktop.

// own
#include "download/download_ui.h"

// Qt
#include <QDialog>

// std
#include <functional>
#include <memory>
#include <string>

class QLabel;
class QProgressBar;
class QPushButton;

namespace Ui {
class DownloadDlg;
}

class CDownloadDlg : public QDialog {
public:
    explicit CDownloadDlg(QWidget* parent = nullptr);
    ~CDownloadDlg() override;
    CDownloadDlg(const CDownloadDlg&) = delete;
    CDownloadDlg& operator=(const CDownloadDlg&) = delete;

    // Single-byte text.
    void SetStatus(const std::string& text);
    void SetButtonText(const std::string& text);
    void SetProgress(const DownloadProgress& progress);
    void OnCancel();

    QLabel& StatusText() const;
    QPushButton& CancelButton() const;
    QProgressBar& ProgressBar() const;
    QLabel& ProgressLabel() const;

    int m_bCancelled = 0;
    // Told on every cancel, after the flag is set.
    std::function<void()> onCancel;

    // Escape ends in here: it cancels but leaves the window open.
    void reject() override;

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<Ui::DownloadDlg> m_ui;
    // Once the button reads "Close" the download is over and there is nothing left to cancel.
    bool m_bFinished = false;
};
