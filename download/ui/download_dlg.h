#pragma once
// CDownloadDlg: the small progress window of a download, caption "Download": one status line
// (control 1092) and a Cancel button (control 2, the default button), which later reads "Close".
// Cancel, Escape and the window's close box only set m_bCancelled; whoever runs the download
// looks at it and destroys the window. Opens centred on the desktop.

// Qt
#include <QDialog>

// std
#include <functional>
#include <memory>
#include <string>

class QPushButton;
class QLabel;

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
    void OnCancel();

    QLabel& StatusText() const;
    QPushButton& CancelButton() const;

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
};
