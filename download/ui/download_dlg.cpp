// own
#include "download/ui/download_dlg.h"
#include "framework/qt/cp1252.h"
#include "framework/qt/dialog_centring.h"
#include "framework/qt/dialog_colours.h"
#include "ui_download.h"

// Qt
#include <QCloseEvent>
#include <QProgressBar>
#include <QShowEvent>

namespace {

constexpr const char* kCloseText = "Close";
constexpr const char* kCancellingText = "Cancelling...";

} // namespace

CDownloadDlg::CDownloadDlg(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::DownloadDlg>()) {
    m_ui->setupUi(this);
    connect(m_ui->button2, &QPushButton::clicked, this, [this] { OnCancel(); });
    ApplyDialogColours(*this);
}

CDownloadDlg::~CDownloadDlg() = default;

void CDownloadDlg::SetStatus(const std::string& text) {
    m_ui->static1092->setText(FromCp1252(text));
}

void CDownloadDlg::SetButtonText(const std::string& text) {
    m_ui->button2->setText(FromCp1252(text));
    m_bFinished = text == kCloseText;
}

void CDownloadDlg::SetProgress(const DownloadProgress& progress) {
    // The bar counts in the image's bytes; an image is at most 32,768 of them.
    m_ui->progressBar->setMaximum(static_cast<int>(progress.nTotal));
    m_ui->progressBar->setValue(static_cast<int>(progress.nDone));
    m_ui->progressText->setText(QString::fromStdString(ProgressText(progress)));
    m_ui->progressBar->show();
    m_ui->progressText->show();
}

void CDownloadDlg::OnCancel() {
    if (!m_bCancelled && !m_bFinished) {
        m_ui->static1092->setText(kCancellingText);
        m_ui->button2->setEnabled(false);
        // Painted now: the pump that sees the flag may be a moment away.
        repaint();
    }
    m_bCancelled = 1;
    if (onCancel) onCancel();
}

QLabel& CDownloadDlg::StatusText() const {
    return *m_ui->static1092;
}

QPushButton& CDownloadDlg::CancelButton() const {
    return *m_ui->button2;
}

QProgressBar& CDownloadDlg::ProgressBar() const {
    return *m_ui->progressBar;
}

QLabel& CDownloadDlg::ProgressLabel() const {
    return *m_ui->progressText;
}

void CDownloadDlg::reject() {
    OnCancel();
}

void CDownloadDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) CentreOnDesktop(*this);
    QDialog::showEvent(event);
}

void CDownloadDlg::closeEvent(QCloseEvent* event) {
    event->ignore();
    OnCancel();
}
