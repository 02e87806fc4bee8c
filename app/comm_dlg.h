#pragma once
// CCommDlg, Configure Communications: the modal dialog in which the user picks the serial port
// from the ports present ("OFFLINE" first). From it the Timeout button runs Advanced
// Communications and the Test button, shown only while the test switch is on, runs the serial
// test on the selected port. OK stores the port only when another entry was picked (CPortChoice).
// Controls carry their ids in their object names ("list1016", "button260", "button1017").

// own
#include "app/port_choice.h"
#include "serial/serial_port.h"

// Qt
#include <QDialog>

// std
#include <memory>

class QShowEvent;

namespace Ui {
class CommDlg;
}

class CCommDlg : public QDialog {
    Q_OBJECT

public:
    // Lists the ports on `platform`. The settings belong to the application and the platform to
    // the caller; both must outlive the dialog.
    explicit CCommDlg(CProgramSettings& settings, QWidget* parent = nullptr,
                      const SerialPlatform& platform = DefaultSerialPlatform());
    ~CCommDlg() override;
    CCommDlg(const CCommDlg&) = delete;
    CCommDlg& operator=(const CCommDlg&) = delete;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void OnSelChange();
    void OnTimeout();
    void OnTest();
    void OnOK();
    void ShowSelection();

    std::unique_ptr<Ui::CommDlg> m_ui;
    CProgramSettings& m_settings;
    SerialPlatform m_platform;
    CPortChoice m_choice;
};
