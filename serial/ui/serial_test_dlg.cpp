// own
#include "serial/ui/serial_test_dlg.h"
#include "framework/qt/cp1252.h"
#include "framework/qt/dialog_colours.h"
#include "serial/ui/serial_test_exchange.h"
#include "ui_serial_test_dlg.h"

namespace {

// The upper box takes no more than this many characters.
constexpr int kSendBoxLimit = 500;

} // namespace

CSerialTestDlg::CSerialTestDlg(const std::string& portName, int32_t baud, int32_t timeoutMs,
                               QWidget* parent, const SerialPlatform& platform)
    : QDialog(parent), m_ui(std::make_unique<Ui::SerialTestDlg>()), m_nTimeoutMs(timeoutMs),
      m_transport(platform) {
    m_ui->setupUi(this);
    ApplyDialogColours(*this);
    // Every character typed must travel as one byte.
    m_ui->edit1018->setValidator(new CCp1252Validator(m_ui->edit1018));
    if (!m_transport.Open(portName, baud).empty()) {
        for (QWidget* button :
             {m_ui->button1021, m_ui->button1022, m_ui->button1023, m_ui->button1024})
            button->hide();
        m_ui->edit1018->setText(QString::fromLatin1(kSerialTestOpenFailedText));
    } else {
        m_ui->edit1018->setMaxLength(kSendBoxLimit);
    }
    connect(m_ui->button1021, &QPushButton::clicked, this, [this] { OnSend(); });
    connect(m_ui->button1023, &QPushButton::clicked, this, [this] { OnReceive(); });
    connect(m_ui->button1022, &QPushButton::clicked, m_ui->edit1018, &QLineEdit::clear);
    connect(m_ui->button1024, &QPushButton::clicked, m_ui->edit1019, &QLineEdit::clear);
    connect(m_ui->button1020, &QPushButton::clicked, this, &QDialog::accept);
}

CSerialTestDlg::~CSerialTestDlg() = default;

void CSerialTestDlg::OnSend() {
    // The validator lets no character without a byte in; should one come in by another way,
    // nothing is sent rather than a mangled line.
    if (const auto bytes = ToCp1252(m_ui->edit1018->text())) SendTestText(m_transport, *bytes);
}

void CSerialTestDlg::OnReceive() {
    if (const auto text = ReceiveTestText(m_transport, m_nTimeoutMs))
        m_ui->edit1019->setText(FromCp1252(*text));
}
