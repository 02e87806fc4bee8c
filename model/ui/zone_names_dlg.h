#pragma once
// CZoneNamesDlg: Edit > Zone Names...: one row per zone in use (number, name, how many buttons
// page it), the name edited in place with the limits of the zone name box. A spreadsheet's copied
// column fills the names from the current row down; Import... reads a CSV or text file, Export...
// writes the table. OK checks every name first and refuses the dialog's changes, naming each bad
// row, or applies them to the document as one undoable step. The document must outlive the
// dialog.

// own
#include "model/ui/table_dlg.h"

class CKVDoc;

class CZoneNamesDlg : public CTableDlg {
public:
    explicit CZoneNamesDlg(CKVDoc& doc, QWidget* parent = nullptr);

    static constexpr const char* kCaption = "Zone Names";

protected:
    void OnPaste(const std::string& text, int row) override;
    void OnImport(const std::string& text) override;
    std::string ExportText() const override;
    void OnOK() override;

private:
    void SetName(int row, const QString& name);
    std::vector<std::string> Names() const;

    CKVDoc& m_doc;
    std::vector<int> m_counts;
};

// Runs the dialog without a parent for `doc`. True after OK.
bool RunZoneNamesDlg(CKVDoc& doc);
