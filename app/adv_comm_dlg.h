#pragma once
// CAdvCommDlg, Advanced Communications: the modal dialog in which the user picks the serial
// response time-out from five entries. Opening normalises a time-out the list does not offer to
// 3 seconds; OK stores the time-out only when another entry was picked (CTimeoutChoice).
// Controls carry their ids in their object names ("combo261", "button1").

// own
#include "app/timeout_choice.h"

// Qt
#include <QDialog>

// std
#include <memory>

class QShowEvent;

namespace Ui {
class AdvCommDlg;
}

class CAdvCommDlg : public QDialog {
    Q_OBJECT

public:
    // The settings belong to the application and must outlive the dialog.
    explicit CAdvCommDlg(CProgramSettings& settings, QWidget* parent = nullptr);
    ~CAdvCommDlg() override;
    CAdvCommDlg(const CAdvCommDlg&) = delete;
    CAdvCommDlg& operator=(const CAdvCommDlg&) = delete;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnOK();

    std::unique_ptr<Ui::AdvCommDlg> m_ui;
    CTimeoutChoice m_choice;
};
