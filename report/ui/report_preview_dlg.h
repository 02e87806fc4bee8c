#pragma once
// CReportPreviewDlg: Print Preview of the zone report. The report is laid out a section at a
// time whenever the event loop is free, so the first page shows at once and the editor keeps
// answering; a progress bar and Cancel stand for the rest until it is laid out. Cancel stops the
// layout and closes the preview; Print prints the report on the printer and closes it. What the
// preview holds goes with the dialog.

// own
#include "report/qt/report_layout.h"

// Qt
#include <QDialog>
#include <QTimer>

// std
#include <memory>

class CPreviewPages;
class QLabel;
class QPrinter;
class QProgressBar;
class QPushButton;

class CReportPreviewDlg : public QDialog {
public:
    // Laid out on the page of `printer`, which must outlive the dialog.
    CReportPreviewDlg(ZoneReport report, QPrinter& printer, QWidget* parent = nullptr);
    ~CReportPreviewDlg() override;
    CReportPreviewDlg(const CReportPreviewDlg&) = delete;
    CReportPreviewDlg& operator=(const CReportPreviewDlg&) = delete;

    const CReportLayout& Layout() const { return *m_layout; }
    CPreviewPages& Pages() const { return *m_pages; }
    QProgressBar& Progress() const { return *m_progress; }
    QPushButton& CancelButton() const { return *m_cancel; }
    QPushButton& PrintButton() const { return *m_print; }
    QLabel& PageCount() const { return *m_count; }

private:
    void LayOutSlice();
    void Print();

    QPrinter& m_printer;
    const ZoneReport m_report;
    std::unique_ptr<CReportLayout> m_layout;
    QTimer m_slices;
    CPreviewPages* m_pages = nullptr;
    QProgressBar* m_progress = nullptr;
    QPushButton* m_cancel = nullptr;
    QPushButton* m_print = nullptr;
    QLabel* m_count = nullptr;
};
