#pragma once
// CSerialTestDlg, "Serial test": the modal dialog in which a technician types characters to the PA
// Controller and sees what comes back, byte by byte, without the framing of the download. It
// opens its own transport on one port when it is made and closes it when it is destroyed. When
// the port cannot be opened only Exit remains and the upper box says so. Controls carry their ids
// in their object names ("edit1018" to send, "edit1019" received, "button1021" Send, ...).

// own
#include "serial/serial_transport.h"

// Qt
#include <QDialog>

// std
#include <cstdint>
#include <memory>
#include <string>

namespace Ui {
class SerialTestDlg;
}

inline constexpr const char* kSerialTestOpenFailedText =
    "Failed To Open Com Port. Please press Exit";

class CSerialTestDlg : public QDialog {
    Q_OBJECT

public:
    // Opens portName ("COM1" to "COM9") at baud; Receive waits up to timeoutMs for each byte. The
    // platform belongs to the caller and must outlive the dialog.
    CSerialTestDlg(const std::string& portName, int32_t baud, int32_t timeoutMs,
                   QWidget* parent = nullptr,
                   const SerialPlatform& platform = DefaultSerialPlatform());
    ~CSerialTestDlg() override;
    CSerialTestDlg(const CSerialTestDlg&) = delete;
    CSerialTestDlg& operator=(const CSerialTestDlg&) = delete;

private:
    void OnSend();
    void OnReceive();

    std::unique_ptr<Ui::SerialTestDlg> m_ui;
    int32_t m_nTimeoutMs;
    CSerialTransport m_transport;
};
