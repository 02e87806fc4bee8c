// own
#include "app/comm_dlg.h"
#include "app/adv_comm_dlg.h"
#include "framework/qt/cp1252.h"
#include "framework/qt/dialog_centring.h"
#include "framework/qt/dialog_colours.h"
#include "serial/ui/serial_test_dlg.h"
#include "ui_comm_dlg.h"

// Qt
#include <QShowEvent>

namespace {

std::vector<std::string> ListPortEntriesOn(const SerialPlatform& platform) {
    CSerialPort port(platform);
    return ListPortEntries(port);
}

} // namespace

CCommDlg::CCommDlg(CProgramSettings& settings, QWidget* parent, const SerialPlatform& platform)
    : QDialog(parent), m_ui(std::make_unique<Ui::CommDlg>()), m_settings(settings),
      m_platform(platform), m_choice(ListPortEntriesOn(platform), settings) {
    m_ui->setupUi(this);
    for (const std::string& entry : m_choice.Entries())
        m_ui->list1016->addItem(FromCp1252(entry));
    ShowSelection();
    // Opens on its first field, not on OK, the default button.
    m_ui->list1016->setFocus();
    m_ui->button1017->setVisible(m_settings.m_bTestEnabled);
    ApplyDialogColours(*this);

    connect(m_ui->list1016, &QListWidget::itemSelectionChanged, this, [this] { OnSelChange(); });
    connect(m_ui->button260, &QPushButton::clicked, this, [this] { OnTimeout(); });
    connect(m_ui->button1017, &QPushButton::clicked, this, [this] { OnTest(); });
    connect(m_ui->button1, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(m_ui->button2, &QPushButton::clicked, this, &QDialog::reject);
}

CCommDlg::~CCommDlg() = default;

void CCommDlg::ShowSelection() {
    const QSignalBlocker quiet(m_ui->list1016);
    m_ui->list1016->setCurrentRow(m_choice.Selected());
    m_ui->button260->setVisible(m_choice.ShowsTimeout());
}

void CCommDlg::OnSelChange() {
    // The list offers no empty selection: a click that clears it (Ctrl+click) brings the chosen
    // entry back.
    const QList<QListWidgetItem*> selected = m_ui->list1016->selectedItems();
    if (!selected.isEmpty()) m_choice.Select(m_ui->list1016->row(selected.front()));
    ShowSelection();
}

void CCommDlg::OnTimeout() {
    CAdvCommDlg dialog(m_settings, this);
    dialog.exec();
}

void CCommDlg::OnTest() {
    const auto port = m_choice.PortToTest();
    if (!port) return;
    CSerialTestDlg dialog(*port, m_settings.m_nBaud, m_settings.m_nTimeoutMs, this, m_platform);
    dialog.exec();
}

void CCommDlg::OnOK() {
    m_choice.OnOK();
    accept();
}

void CCommDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) CentreOnDesktop(*this);
    QDialog::showEvent(event);
}
