#pragma once
// CStationsDlg: Edit > Stations...: every station (name, type, port, address, group, LCD text) in
// a table that sorts by any column, edited in place with the checks and messages of Station
// Properties. Rows pasted from a spreadsheet or imported from CSV update the station of their
// port and address or add one, as Add Station would; when any row is refused, each is named and
// nothing changes. OK applies the whole table to the document as one undoable step. The document
// must outlive the dialog.

// own
#include "model/station_table.h"
#include "model/ui/table_dlg.h"

class CKVDoc;
class QTableWidgetItem;

class CStationsDlg : public CTableDlg {
public:
    explicit CStationsDlg(CKVDoc& doc, QWidget* parent = nullptr);

    static constexpr const char* kCaption = "Stations";

protected:
    void OnPaste(const std::string& text, int row) override;
    void OnImport(const std::string& text) override;
    std::string ExportText() const override;
    void OnOK() override;

private:
    // Shows the table's rows again (after a merge), keeping the chosen sort.
    void Fill();
    void OnCellChanged(QTableWidgetItem& item);
    void ShowCells(int tableRow, int viewRow);
    void Merge(const std::string& text);

    CKVDoc& m_doc;
    CStationTable m_table;
    // Set while the dialog itself writes cells.
    bool m_bFilling = false;
};

// Runs the dialog without a parent for `doc`. True after OK.
bool RunStationsDlg(CKVDoc& doc);
