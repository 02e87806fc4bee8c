// own
#include "report/ui/report_preview_dlg.h"
#include "report/qt/report_pages.h"
#include "report/ui/preview_pages.h"

// Qt
#include <QHBoxLayout>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

CReportPreviewDlg::CReportPreviewDlg(ZoneReport report, QPrinter& printer, QWidget* parent)
    : QDialog(parent), m_printer(printer), m_report(std::move(report)),
      m_layout(std::make_unique<CReportLayout>(m_report, printer, printer.pageLayout())) {
    auto* print = new QPushButton(QStringLiteral("&Print..."), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    m_print = print;
    m_count = new QLabel(this);
    m_progress = new QProgressBar(this);
    m_progress->setRange(0, m_layout->Sections());
    m_progress->setAccessibleName(QStringLiteral("Laying out pages"));
    m_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    auto* bar = new QHBoxLayout;
    bar->addWidget(print);
    bar->addWidget(close);
    bar->addWidget(m_count);
    bar->addStretch();
    bar->addWidget(m_progress);
    bar->addWidget(m_cancel);

    m_pages = new CPreviewPages(*m_layout);
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(m_pages);
    scroll->setAlignment(Qt::AlignHCenter);
    scroll->setBackgroundRole(QPalette::Dark);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(scroll);
    resize(m_pages->width() + 60, 900);

    connect(print, &QPushButton::clicked, this, &CReportPreviewDlg::Print);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_cancel, &QPushButton::clicked, this, &QDialog::reject);
    // One section each time the event loop has nothing else to do.
    m_slices.setInterval(0);
    connect(&m_slices, &QTimer::timeout, this, &CReportPreviewDlg::LayOutSlice);
    m_slices.start();
    LayOutSlice();
}

CReportPreviewDlg::~CReportPreviewDlg() = default;

void CReportPreviewDlg::LayOutSlice() {
    m_layout->LayOutNext();
    m_pages->UpdatePages();
    m_progress->setValue(m_layout->SectionsDone());
    const bool done = m_layout->Done();
    m_count->setText(done ? QStringLiteral("%1 pages").arg(m_layout->Pages())
                          : QStringLiteral("%1 pages so far").arg(m_layout->PagesFinal()));
    if (!done) return;
    m_slices.stop();
    m_progress->hide();
    m_cancel->hide();
}

void CReportPreviewDlg::Print() {
    QPrintDialog dialog(&m_printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    m_slices.stop();
    PaintZoneReport(m_report, m_printer);
    accept();
}
