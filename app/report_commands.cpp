// own
#include "app/report_commands.h"
#include "app/kv_app.h"
#include "app/kv_frame.h"
#include "files/safe_save.h"
#include "framework/qt/file_dialog.h"
#include "report/qt/checklist_pages.h"
#include "report/qt/report_pages.h"
#include "report/report_forms.h"
#include "report/ui/report_preview_dlg.h"

// Qt
#include <QApplication>
#include <QDate>
#include <QPrintDialog>
#include <QPrinter>

// std
#include <cstring>
#include <filesystem>

namespace {
// The filters from this one on write the commissioning checklist.
constexpr int kFirstChecklistFilter = 3;

FileDialogRequest ExportRequest(const std::string& title) {
    FileDialogRequest request;
    request.title = "Export Report";
    request.filters = {{"PDF files (*.pdf)", "*.pdf"},
                       {"HTML files (*.html)", "*.html"},
                       {"CSV files (*.csv)", "*.csv"},
                       {"Commissioning checklist, PDF files (*.pdf)", "*.pdf"},
                       {"Commissioning checklist, HTML files (*.html)", "*.html"},
                       {"Commissioning checklist, CSV files (*.csv)", "*.csv"}};
    request.initialName = std::filesystem::path(title).replace_extension(".pdf").string();
    request.overwritePrompt = true;
    return request;
}

std::string Today() {
    return QDate::currentDate().toString(Qt::ISODate).toStdString();
}
} // namespace

const CommandEntry<CReportCommands> CReportCommands::kCommands[] = {
    {ID_FILE_PRINT, &CReportCommands::OnFilePrint, &CReportCommands::OnUpdateReport},
    {ID_FILE_PRINT_PREVIEW, &CReportCommands::OnFilePrintPreview, &CReportCommands::OnUpdateReport},
    {ID_FILE_EXPORT_REPORT, &CReportCommands::OnFileExportReport, &CReportCommands::OnUpdateReport},
};

CommandHandlers CReportCommands::FindCommand(CommandId id) {
    return FindInTable(*this, kCommands, id);
}

CKVDoc* CReportCommands::ActiveDocument() const {
    if (!m_app.m_pMainWnd) return nullptr;
    return dynamic_cast<CKVDoc*>(m_app.m_pMainWnd->Documents().ActiveDocument());
}

ZoneReport CReportCommands::Report(const CKVDoc& doc) const {
    return BuildZoneReport(doc, doc.GetTitle(), Today());
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
    // Qt's dialog itself, for the filter chosen: it tells the checklist from the zone report.
    int filter = 0;
    const auto path = AskFileName(QApplication::activeWindow(), ExportRequest(doc->GetTitle()),
                                  QFileDialog::AcceptSave, filter);
    if (!path) return;
    CWaitCursor wait(m_app.m_ui);
    const std::string extension = std::filesystem::path(*path).extension().string();
    const bool html = extension == ".html" || extension == ".htm";
    const bool csv = extension == ".csv";
    const QPageLayout page = m_app.Printer().pageLayout();
    std::string bytes;
    if (filter >= kFirstChecklistFilter) {
        const Checklist list = BuildChecklist(*doc, doc->GetTitle(), Today());
        bytes = html  ? ChecklistHtml(list)
                : csv ? ChecklistCsv(list)
                      : ChecklistPdf(list, page).toStdString();
    } else {
        const ZoneReport report = Report(*doc);
        bytes = html  ? ZoneReportHtml(report)
                : csv ? ZoneReportCsv(report)
                      : ZoneReportPdf(report, page).toStdString();
    }
    const std::span data(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    const SaveResult saved = ReplaceFileContents(PosixFileLayer(), *path, data);
    CUiServices& ui = m_app.m_ui;
    if (saved.stage != SaveResult::Done)
        ui.MessageBox("The report could not be written to " + *path + ": " +
                      std::strerror(saved.error) + ".");
}
