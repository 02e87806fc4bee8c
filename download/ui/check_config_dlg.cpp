// own
#include "download/ui/check_config_dlg.h"
#include "framework/qt/dialog_colours.h"
#include "ui_check_config.h"

// std
#include <algorithm>

namespace {
QString SummaryText(const std::vector<CheckFinding>& findings) {
    const auto errors = std::count_if(findings.begin(), findings.end(), [](const auto& finding) {
        return finding.severity == CheckFinding::Severity::Error;
    });
    const auto warnings = static_cast<long>(findings.size()) - errors;
    if (findings.empty()) return QStringLiteral("Nothing would stop or spoil a download.");
    return QStringLiteral("%1 error(s), %2 warning(s). Double-click a line to show its place.")
        .arg(errors)
        .arg(warnings);
}
} // namespace

CCheckConfigDlg::CCheckConfigDlg(const CKVDoc& doc, std::vector<CheckFinding> findings,
                                 QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::CheckConfigDlg>()),
      m_findings(std::move(findings)) {
    m_ui->setupUi(this);
    m_ui->labelSummary->setText(SummaryText(m_findings));
    for (const CheckFinding& finding : m_findings)
        m_ui->listFindings->addItem(QString::fromStdString(CheckLine(doc, finding)));
    connect(m_ui->listFindings, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowFinding(m_ui->listFindings->row(item)); });
    connect(m_ui->buttonClose, &QPushButton::clicked, this, &QDialog::accept);
    ApplyDialogColours(*this);
}

CCheckConfigDlg::~CCheckConfigDlg() = default;

QLabel& CCheckConfigDlg::Summary() const {
    return *m_ui->labelSummary;
}

QListWidget& CCheckConfigDlg::Findings() const {
    return *m_ui->listFindings;
}

void CCheckConfigDlg::ShowFinding(int row) {
    if (row < 0 || row >= static_cast<int>(m_findings.size()) || !onShowFinding) return;
    onShowFinding(m_findings[static_cast<std::size_t>(row)]);
}
