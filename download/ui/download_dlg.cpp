// own
#include "download/ui/download_dlg.h"
#include "platform/qt/cp1252.h"
#include "platform/qt/dialog_centring.h"
#include "platform/qt/dialog_colours.h"
#include "ui_download.h"

// Qt
#include <QCloseEvent>
#include <QShowEvent>

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
}

void CDownloadDlg::OnCancel() {
    m_bCancelled = 1;
    if (onCancel) onCancel();
}

QLabel& CDownloadDlg::StatusText() const {
    return *m_ui->static1092;
}

QPushButton& CDownloadDlg::CancelButton() const {
    return *m_ui->button2;
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
