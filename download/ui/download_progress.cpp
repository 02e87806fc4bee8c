// own
#include "download/ui/download_progress.h"

// Qt
#include <QCoreApplication>
#include <QEventLoop>

void CDownloadProgress::ShowProgress() {
    m_pDlg = std::make_unique<CDownloadDlg>();
    m_pDlg->setWindowModality(Qt::ApplicationModal);
    m_pDlg->show();
}

void CDownloadProgress::SetStatus(const std::string& text) {
    if (m_pDlg) m_pDlg->SetStatus(text);
}

void CDownloadProgress::SetProgress(const DownloadProgress& progress) {
    if (m_pDlg) m_pDlg->SetProgress(progress);
}

bool CDownloadProgress::PumpMessages() {
    QCoreApplication::processEvents();
    if (m_pDlg && !m_pDlg->m_bCancelled) return true;
    m_pDlg.reset();
    return false;
}

void CDownloadProgress::SetCancelButtonText(const std::string& text) {
    if (m_pDlg) m_pDlg->SetButtonText(text);
}

void CDownloadProgress::WaitForClose() {
    if (!m_pDlg || m_pDlg->m_bCancelled) return;
    QEventLoop loop;
    m_pDlg->onCancel = [&loop] { loop.quit(); };
    loop.exec();
    m_pDlg->onCancel = nullptr;
}

void CDownloadProgress::CloseProgress() {
    m_pDlg.reset();
}
