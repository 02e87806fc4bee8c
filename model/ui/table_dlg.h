#pragma once
// CTableDlg: the form the Zone Names and Stations dialogs share: a table edited in place, OK,
// Cancel, Import... and Export... of a CSV file, and Ctrl+V in the table taking a spreadsheet's
// copied cells. What a row holds, how pasted or imported text fills it and what OK applies is the
// dialog's own. Messages go through the one message box; files through the document's file
// dialogs, so tests can answer them.

// Qt
#include <QDialog>

// std
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CUiServices;
class QShowEvent;
class QTableWidget;

namespace Ui {
class TableDlg;
}

class CTableDlg : public QDialog {
public:
    CTableDlg(CUiServices& ui, const char* title, QWidget* parent = nullptr);
    ~CTableDlg() override;
    CTableDlg(const CTableDlg&) = delete;
    CTableDlg& operator=(const CTableDlg&) = delete;

    QTableWidget& Table() const;
    // Takes `text` as a spreadsheet's copied cells at the current row, as Ctrl+V does.
    void Paste(const QString& text);
    // Import... and Export... with `path` as the file the dialog would ask for.
    void ImportFile(const std::string& path);
    void ExportFile(const std::string& path);

protected:
    // The dialog's own parts: the pasted text at `row`, an imported file's UTF-8 text, the table
    // as CSV, and OK. Each shows its own refusals.
    virtual void OnPaste(const std::string& text, int row) = 0;
    virtual void OnImport(const std::string& text) = 0;
    virtual std::string ExportText() const = 0;
    virtual void OnOK() = 0;

    // Shows the refused rows, one a line, under `caption`. Texts are UTF-8.
    void ShowRefusals(const std::vector<std::string>& refusals, const std::string& caption);
    void Message(const std::string& text, const std::string& caption);

    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void OnImportButton();
    void OnExportButton();

    CUiServices& m_services;
    std::string m_strTitle;
    std::unique_ptr<Ui::TableDlg> m_ui;
};
