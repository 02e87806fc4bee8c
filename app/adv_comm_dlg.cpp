// own
#include "app/adv_comm_dlg.h"
#include "framework/qt/dialog_centring.h"
#include "framework/qt/dialog_colours.h"
#include "ui_adv_comm_dlg.h"

// Qt
#include <QShowEvent>

CAdvCommDlg::CAdvCommDlg(CProgramSettings& settings, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::AdvCommDlg>()), m_choice(settings) {
    m_ui->setupUi(this);
    // Opens on its first field, not on OK, the default button.
    m_ui->combo261->setFocus();
    m_ui->combo261->setCurrentIndex(m_choice.InitialSel());
    ApplyDialogColours(*this);
    connect(m_ui->button1, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(m_ui->button2, &QPushButton::clicked, this, &QDialog::reject);
}

CAdvCommDlg::~CAdvCommDlg() = default;

void CAdvCommDlg::OnOK() {
    m_choice.OnOK(m_ui->combo261->currentIndex());
    accept();
}

void CAdvCommDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) CentreOnDesktop(*this);
    QDialog::showEvent(event);
}
