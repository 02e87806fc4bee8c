// own
#include "app/report_commands.h"
#include "app/kv_app.h"
#include "app/kv_frame.h"
#include "files/safe_save.h"
#include "report/qt/report_pages.h"
#include "report/report_forms.h"
#include "report/ui/report_preview_dlg.h"

// Qt
#include <QDate>
#include <QPrintDialog>
#include <QPrinter>

// std
#include <cstring>
#include <filesystem>

namespace {
FileDialogRequest ExportRequest(const std::string& title) {
    FileDialogRequest request;
    request.title = "Export Report";
    request.filters = {{"PDF files (*.pdf)", "*.pdf"},
                       {"HTML files (*.html)", "*.html"},
                       {"CSV files (*.csv)", "*.csv"}};
    request.initialName = std::filesystem::path(title).replace_extension(".pdf").string();
    request.overwritePrompt = true;
    return request;
}
} // namespace

const CommandEntry<CReportCommands> CReportCommands::kCommands[] = {
    {ID_FILE_PRINT, &CReportCommands::OnFilePrint, &CReportCommands::OnUpdateReport},
    {ID_FILE_PRINT_PREVIEW, &CReportCommands::OnFilePrintPreview,
     &CReportCommands::OnUpdateReport},
    {ID_FILE_EXPORT_REPORT, &CReportCommands::OnFileExportReport,
     &CReportCommands::OnUpdateReport},
};

CommandHandlers CReportCommands::FindCommand(CommandId id) {
    return FindInTable(*this, kCommands, id);
}

CKVDoc* CReportCommands::ActiveDocument() const {
    if (!m_app.m_pMainWnd) return nullptr;
    return dynamic_cast<CKVDoc*>(m_app.m_pMainWnd->Documents().ActiveDocument());
}

ZoneReport CReportCommands::Report(const CKVDoc& doc) const {
    return BuildZoneReport(doc, doc.GetTitle(),
                           QDate::currentDate().toString(Qt::ISODate).toStdString());
}

void CReportCommands::OnUpdateReport(CCmdUI& ui) {
    ui.Enable(ActiveDocument() != nullptr);
}

void CReportCommands::OnFilePrint() {
    const CKVDoc* doc = ActiveDocument();
    if (doc == nullptr) return;
    QPrinter& printer = m_app.Printer();
    QPrintDialog dialog(&printer, m_app.m_pMainWnd.get());
    if (dialog.exec() != QDialog::Accepted) return;
    CWaitCursor wait(m_app.m_ui);
    PaintZoneReport(Report(*doc), printer);
}

void CReportCommands::OnFilePrintPreview() {
    const CKVDoc* doc = ActiveDocument();
    if (doc == nullptr) return;
    CReportPreviewDlg dialog(Report(*doc), m_app.Printer(), m_app.m_pMainWnd.get());
    dialog.setWindowTitle(QString::fromStdString("Print Preview - " + doc->GetTitle()));
    dialog.exec();
}

void CReportCommands::OnFileExportReport() {
    const CKVDoc* doc = ActiveDocument();
    if (doc == nullptr) return;
    const auto path = m_app.m_ui.AskSaveFileName(ExportRequest(doc->GetTitle()));
    if (!path) return;
    CWaitCursor wait(m_app.m_ui);
    const ZoneReport report = Report(*doc);
    const std::string extension = std::filesystem::path(*path).extension().string();
    std::string bytes;
    if (extension == ".html" || extension == ".htm") {
        bytes = ZoneReportHtml(report);
    } else if (extension == ".csv") {
        bytes = ZoneReportCsv(report);
    } else {
        bytes = ZoneReportPdf(report, m_app.Printer().pageLayout()).toStdString();
    }
    const std::span data(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    const SaveResult saved = ReplaceFileContents(PosixFileLayer(), *path, data);
    CUiServices& ui = m_app.m_ui;
    if (saved.stage != SaveResult::Done)
        ui.MessageBox("The report could not be written to " + *path + ": " +
                      std::strerror(saved.error) + ".");
}
