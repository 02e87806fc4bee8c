#pragma once
// CCheckConfigDlg: the findings of Check Configuration, one line each, under a summary. A
// double-click (or Enter) on a finding asks its owner to show that place; the dialog stays open
// so the next finding is one more double-click away.

// own
#include "download/config_check.h"

// Qt
#include <QDialog>

// std
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QListWidget;

namespace Ui {
class CheckConfigDlg;
}

class CCheckConfigDlg : public QDialog {
public:
    // The document gives the findings their places; it must outlive the dialog.
    CCheckConfigDlg(const CKVDoc& doc, std::vector<CheckFinding> findings,
                    QWidget* parent = nullptr);
    ~CCheckConfigDlg() override;
    CCheckConfigDlg(const CCheckConfigDlg&) = delete;
    CCheckConfigDlg& operator=(const CCheckConfigDlg&) = delete;

    QLabel& Summary() const;
    QListWidget& Findings() const;

    // Told the finding of the line the user chose.
    std::function<void(const CheckFinding&)> onShowFinding;

private:
    void ShowFinding(int row);

    std::unique_ptr<Ui::CheckConfigDlg> m_ui;
    std::vector<CheckFinding> m_findings;
};
