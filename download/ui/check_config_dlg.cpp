// own
#include "download/ui/check_config_dlg.h"
#include "framework/qt/dialog_colours.h"
#include "ui_check_config.h"

// Qt
#include <QScreen>

// std
#include <algorithm>

namespace {
// The versions a controller is known to have had; the one read at a download joins them.
constexpr ControllerVersion kKnownVersions[] = {{1, 0}, {1, 1}};

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

long long Overlap(const QRect& a, const QRect& b) {
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : static_cast<long long>(both.width()) * both.height();
}
} // namespace

QPoint PlaceAside(QRect frame, QRect avoid, QRect screen) {
    if (Overlap(frame, avoid) == 0) return frame.topLeft();
    const QPoint candidates[] = {{avoid.right() + 1, frame.top()},
                                 {avoid.left() - frame.width(), frame.top()},
                                 {frame.left(), avoid.bottom() + 1},
                                 {frame.left(), avoid.top() - frame.height()}};
    QPoint best = frame.topLeft();
    long long least = Overlap(frame, avoid);
    for (QPoint at : candidates) {
        // Kept on the screen, as far as the window is not larger than it.
        at.setX(std::max(screen.left(), std::min(at.x(), screen.right() + 1 - frame.width())));
        at.setY(std::max(screen.top(), std::min(at.y(), screen.bottom() + 1 - frame.height())));
        const long long covered = Overlap(QRect(at, frame.size()), avoid);
        if (covered < least) {
            least = covered;
            best = at;
        }
    }
    return best;
}

CCheckConfigDlg::CCheckConfigDlg(const CKVDoc& doc, std::optional<ControllerVersion> read,
                                 QWidget* parent)
    : QDialog(parent), m_doc(doc), m_ui(std::make_unique<Ui::CheckConfigDlg>()) {
    m_ui->setupUi(this);
    m_versions.assign(std::begin(kKnownVersions), std::end(kKnownVersions));
    const ControllerVersion chosen = read.value_or(ControllerVersion{});
    if (std::find(m_versions.begin(), m_versions.end(), chosen) == m_versions.end())
        m_versions.push_back(chosen);
    for (const ControllerVersion version : m_versions)
        m_ui->comboVersion->addItem(QString::fromStdString(ControllerVersionText(version)));
    m_ui->comboVersion->setCurrentIndex(static_cast<int>(
        std::find(m_versions.begin(), m_versions.end(), chosen) - m_versions.begin()));
    m_ui->labelVersionSource->setText(read ? QStringLiteral("as read at the last download")
                                           : QStringLiteral("no download yet: the newest"));
    Check();
    connect(m_ui->comboVersion, &QComboBox::currentIndexChanged, this, [this] {
        m_ui->labelVersionSource->setText(QStringLiteral("chosen"));
        Check();
    });
    connect(m_ui->listFindings, &QListWidget::itemActivated, this,
            [this](QListWidgetItem* item) { ShowFinding(m_ui->listFindings->row(item)); });
    connect(m_ui->buttonClose, &QPushButton::clicked, this, &QDialog::accept);
    ApplyDialogColours(*this);
}

CCheckConfigDlg::~CCheckConfigDlg() = default;

QComboBox& CCheckConfigDlg::Version() const {
    return *m_ui->comboVersion;
}

QLabel& CCheckConfigDlg::VersionSource() const {
    return *m_ui->labelVersionSource;
}

QLabel& CCheckConfigDlg::Summary() const {
    return *m_ui->labelSummary;
}

QListWidget& CCheckConfigDlg::Findings() const {
    return *m_ui->listFindings;
}

void CCheckConfigDlg::Check() {
    const auto index = static_cast<std::size_t>(std::max(0, m_ui->comboVersion->currentIndex()));
    m_findings = CheckConfiguration(m_doc, m_versions[index]);
    m_ui->labelSummary->setText(SummaryText(m_findings));
    m_ui->listFindings->clear();
    for (const CheckFinding& finding : m_findings)
        m_ui->listFindings->addItem(QString::fromStdString(CheckLine(m_doc, finding)));
}

void CCheckConfigDlg::ShowFinding(int row) {
    if (row < 0 || row >= static_cast<int>(m_findings.size()) || !onShowFinding) return;
    onShowFinding(m_findings[static_cast<std::size_t>(row)]);
    if (!avoid) return;
    const QScreen* screen = this->screen();
    if (screen == nullptr) return;
    move(PlaceAside(frameGeometry(), avoid(), screen->availableGeometry()));
}
