// own
#include "model/ui/station_properties_dlg.h"
#include "framework/qt/dialog_centring.h"
#include "framework/qt/dialog_colours.h"
#include "framework/qt/message_box.h"
#include "model/station_validation.h"
#include "model/ui/dialog_text.h"
#include "ui_station_properties.h"

// Qt
#include <QShowEvent>

CStationPropertiesDlg::CStationPropertiesDlg(const CKVDoc& doc, bool b48ButtonOK, QWidget* parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::StationPropertiesDlg>()), m_doc(doc),
      m_b48ButtonOK(b48ButtonOK) {
    m_ui->setupUi(this);
    QRadioButton* radios[] = {m_ui->radio1001, m_ui->radio1002, m_ui->radio1008,
                              m_ui->radio1010, m_ui->radio1007, m_ui->radio1015};
    for (int index = 0; index < 6; ++index)
        m_types.addButton(radios[index], index);
    connect(&m_types, &QButtonGroup::idClicked, this, [this] { ShowFieldsOfCheckedType(); });

    for (QLineEdit* edit :
         {m_ui->edit1003, m_ui->edit1004, m_ui->edit1005, m_ui->edit1013, m_ui->edit1026})
        AcceptSingleByteText(*edit);
    // The model holds no longer texts: a longer one would be dropped after OK.
    m_ui->edit1003->setMaxLength(static_cast<int>(kMaxStationName));
    m_ui->edit1013->setMaxLength(static_cast<int>(kMaxLcdText));
    // Showing and hiding the type's fields must not move the other controls.
    for (QWidget* w : std::initializer_list<QWidget*>{m_ui->label1016, m_ui->edit1026,
                                                      m_ui->label1014, m_ui->edit1013})
        KeepPlaceWhenHidden(*w);

    connect(m_ui->button1, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(m_ui->button2, &QPushButton::clicked, this, &QDialog::reject);
    ApplyDialogColours(*this);
}

CStationPropertiesDlg::~CStationPropertiesDlg() = default;

void CStationPropertiesDlg::DoDataExchange(bool saveAndValidate) {
    if (saveAndValidate) {
        m_strName = EditText(*m_ui->edit1003);
        m_strLcdText = EditText(*m_ui->edit1013);
        m_nTypeIndex = m_types.checkedId();
        m_strPort = EditText(*m_ui->edit1004);
        m_strAddress = EditText(*m_ui->edit1005);
        m_strGroup = EditText(*m_ui->edit1026);
        return;
    }
    SetEditText(*m_ui->edit1003, m_strName);
    SetEditText(*m_ui->edit1013, m_strLcdText);
    if (QAbstractButton* radio = m_types.button(m_nTypeIndex)) radio->setChecked(true);
    SetEditText(*m_ui->edit1004, m_strPort);
    SetEditText(*m_ui->edit1005, m_strAddress);
    SetEditText(*m_ui->edit1026, m_strGroup);
}

void CStationPropertiesDlg::OnOK() {
    DoDataExchange(true);
    if (const auto refusal = CheckStationFields(*this, m_doc)) {
        ShowMessageBox(this, refusal->text, refusal->caption, MsgButtons::Ok, MsgIcon::None);
        return;
    }
    accept();
}

void CStationPropertiesDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) OnInitDialog();
    QDialog::showEvent(event);
}

void CStationPropertiesDlg::OnInitDialog() {
    DoDataExchange(false);
    setWindowTitle(m_bNewStation ? "New Station Properties" : "Station Properties");
    m_ui->radio1007->setVisible(m_b48ButtonOK);
    m_ui->radio1015->setVisible(m_b48ButtonOK);
    ShowFieldsOfCheckedType();
    // Centred once the hidden radios have left the layout, so that the size is the final one.
    layout()->activate();
    CentreOnDesktop(*this);
}

void CStationPropertiesDlg::ShowFieldsOfCheckedType() {
    const int index = m_types.checkedId();
    m_ui->label1016->setVisible(IndexShowsGroup(index));
    m_ui->edit1026->setVisible(IndexShowsGroup(index));
    m_ui->label1014->setVisible(IndexShowsLcdText(index));
    m_ui->edit1013->setVisible(IndexShowsLcdText(index));
}
