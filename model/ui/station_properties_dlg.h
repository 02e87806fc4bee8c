#pragma once
// CStationPropertiesDlg: the modal dialog in which the user names a station, picks its type,
// wires it to a controller port and address and, for break-out panels, sets its group and LCD
// text. The caller fills the fields (CStationFields) before running it and applies them after
// OK; the dialog only checks them against the document and changes nothing itself. Controls carry
// their ids in their object names ("edit1003", "radio1001", "label1014", "button1").

// own
#include "model/station_fields.h"

// Qt
#include <QButtonGroup>
#include <QDialog>

// std
#include <memory>

class CKVDoc;
class QShowEvent;

namespace Ui {
class StationPropertiesDlg;
}

class CStationPropertiesDlg : public QDialog, public CStationFields {
public:
    // `doc` is the configuration the entries are checked against; it must outlive the dialog.
    // `b48ButtonOK` shows the two 48-button types.
    CStationPropertiesDlg(const CKVDoc& doc, bool b48ButtonOK, QWidget* parent = nullptr);
    ~CStationPropertiesDlg() override;
    CStationPropertiesDlg(const CStationPropertiesDlg&) = delete;
    CStationPropertiesDlg& operator=(const CStationPropertiesDlg&) = delete;

    // The fields into the controls, or (`saveAndValidate`) the controls into the fields.
    void DoDataExchange(bool saveAndValidate);
    // Takes the entries; shows the first check they fail in a message box and stays open, or
    // closes with OK.
    void OnOK();

protected:
    // Each time the dialog opens: fields into controls, caption, visible types and fields, centred.
    void showEvent(QShowEvent* event) override;

private:
    void OnInitDialog();
    // The group edit for the break-out types, the LCD text edit for the 10-button break-out.
    void ShowFieldsOfCheckedType();

    std::unique_ptr<Ui::StationPropertiesDlg> m_ui;
    QButtonGroup m_types; // radio id = type index
    const CKVDoc& m_doc;
    bool m_b48ButtonOK;
};
