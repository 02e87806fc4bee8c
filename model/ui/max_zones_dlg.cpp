// own
#include "model/ui/max_zones_dlg.h"
#include "model/config_edits.h"
#include "model/kv_doc.h"
#include "model/max_zones_check.h"
#include "model/ui/dialog_text.h"
#include "framework/qt/dialog_centring.h"
#include "framework/qt/dialog_colours.h"
#include "framework/qt/message_box.h"
#include "ui_max_zones.h"

// Qt
#include <QShowEvent>

// std
#include <string>

CMaxZonesDlg::CMaxZonesDlg(QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::MaxZonesDlg>()) {
    m_ui->setupUi(this);
    AcceptSingleByteText(*m_ui->edit1006);
    connect(m_ui->button1, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(m_ui->button2, &QPushButton::clicked, this, &QDialog::reject);
    ApplyDialogColours(*this);
}

CMaxZonesDlg::~CMaxZonesDlg() = default;

bool CMaxZonesDlg::DoDataExchange(bool saveAndValidate) {
    if (!saveAndValidate) {
        SetEditText(*m_ui->edit1006, std::to_string(m_nMaxZones));
        return true;
    }
    const auto entry = ReadIntegerEntry(EditText(*m_ui->edit1006), 1, kMaxZones);
    if (const auto* refusal = std::get_if<std::string>(&entry)) {
        ShowMessageBox(this, *refusal, kAppTitle, MsgButtons::Ok, MsgIcon::None);
        // Back to the entry, ready to be typed over.
        m_ui->edit1006->setFocus();
        m_ui->edit1006->selectAll();
        return false;
    }
    m_nMaxZones = std::get<int>(entry);
    return true;
}

void CMaxZonesDlg::OnOK() {
    if (!DoDataExchange(true)) return;
    if (const auto enabled = FindZoneAbove(*m_pDoc, m_nMaxZones)) {
        ShowMessageBox(this, *enabled, kMaxZonesCaption, MsgButtons::Ok, MsgIcon::None);
        return;
    }
    accept();
}

void CMaxZonesDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) {
        DoDataExchange(false);
        CentreOnDesktop(*this);
        // Opens ready for a new number to be typed over the old.
        m_ui->edit1006->setFocus(Qt::OtherFocusReason);
        m_ui->edit1006->selectAll();
    }
    QDialog::showEvent(event);
}

bool RunMaxZonesDlg(CKVDoc& doc) {
    CMaxZonesDlg dlg;
    dlg.m_pDoc = &doc;
    dlg.m_nMaxZones = doc.m_nMaxZones;
    if (dlg.exec() != QDialog::Accepted) return false;
    if (dlg.m_nMaxZones != doc.m_nMaxZones)
        doc.Perform(std::make_unique<CMaxZonesEdit>(doc, dlg.m_nMaxZones));
    return true;
}
