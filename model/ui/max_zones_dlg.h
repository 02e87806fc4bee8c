#pragma once
// CMaxZonesDlg: the modal dialog that sets how many paging zones the facility uses (1 to 99). It
// refuses a number below a zone that some button in use still pages, naming the first such
// zone. RunMaxZonesDlg runs it for a document and applies the result.

// Qt
#include <QDialog>

// std
#include <memory>

class CKVDoc;
class QShowEvent;

namespace Ui {
class MaxZonesDlg;
}

class CMaxZonesDlg : public QDialog {
public:
    explicit CMaxZonesDlg(QWidget* parent = nullptr);
    ~CMaxZonesDlg() override;
    CMaxZonesDlg(const CMaxZonesDlg&) = delete;
    CMaxZonesDlg& operator=(const CMaxZonesDlg&) = delete;

    // m_nMaxZones into edit 1006, or (`saveAndValidate`) the edit into m_nMaxZones when it holds
    // an integer from 1 to 99. False, after the refusal's message, when it does not.
    bool DoDataExchange(bool saveAndValidate);
    // Closes with OK unless the entry is refused or a button in use pages a zone above it.
    void OnOK();

    // The document whose stations and soft buttons are examined; must be set before OK.
    CKVDoc* m_pDoc = nullptr;
    int m_nMaxZones = 0;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::MaxZonesDlg> m_ui;
};

// Runs the dialog without a parent for `doc`; on OK the document takes the number as one
// undoable step when it differs. True after OK, false after Cancel, which changes nothing.
bool RunMaxZonesDlg(CKVDoc& doc);
