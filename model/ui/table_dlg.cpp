// own
#include "model/ui/table_dlg.h"
#include "files/file_layer.h"
#include "files/file_reading.h"
#include "files/safe_save.h"
#include "framework/qt/cp1252.h"
#include "framework/qt/dialog_centring.h"
#include "framework/qt/dialog_colours.h"
#include "framework/qt/message_box.h"
#include "ui_table_dlg.h"

// Qt
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QShowEvent>

// std
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace {
FileDialogRequest CsvRequest(const std::string& title, bool save) {
    FileDialogRequest request;
    request.title = title;
    request.filters = {{"CSV files (*.csv)", "*.csv"}, {"Text files (*.txt)", "*.txt"}};
    request.mustExist = !save;
    request.overwritePrompt = save;
    return request;
}

// The whole file as text; the reason it cannot be read otherwise.
std::optional<std::string> ReadTextFile(const std::string& path, std::string& text) {
    const int fd = OpenForReading(PosixFileLayer(), path);
    std::vector<uint8_t> bytes;
    const bool read = fd >= 0 && ReadWholeFile(PosixFileLayer(), fd, bytes);
    const int error = errno;
    if (fd >= 0) close(fd);
    if (!read) return std::strerror(error);
    text.assign(bytes.begin(), bytes.end());
    return std::nullopt;
}
} // namespace

CTableDlg::CTableDlg(CUiServices& ui, const char* title, QWidget* parent)
    : QDialog(parent), m_services(ui), m_strTitle(title), m_ui(std::make_unique<Ui::TableDlg>()) {
    m_ui->setupUi(this);
    setWindowTitle(QString::fromLatin1(title));
    // Screen readers name the table by what it lists, as the title does.
    m_ui->table->setAccessibleName(windowTitle());
    m_ui->table->installEventFilter(this);
    connect(m_ui->button1, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(m_ui->button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_ui->buttonImport, &QPushButton::clicked, this, [this] { OnImportButton(); });
    connect(m_ui->buttonExport, &QPushButton::clicked, this, [this] { OnExportButton(); });
    ApplyDialogColours(*this);
}

CTableDlg::~CTableDlg() = default;

QTableWidget& CTableDlg::Table() const {
    return *m_ui->table;
}

void CTableDlg::Paste(const QString& text) {
    OnPaste(text.toStdString(), std::max(m_ui->table->currentRow(), 0));
}

void CTableDlg::ImportFile(const std::string& path) {
    std::string text;
    if (const auto refusal = ReadTextFile(path, text))
        return Message(path + " could not be read: " + *refusal + ".", m_strTitle);
    OnImport(text);
}

void CTableDlg::ExportFile(const std::string& path) {
    const std::string text = ExportText();
    const SaveResult saved = ReplaceFileContents(
        PosixFileLayer(), path, {reinterpret_cast<const uint8_t*>(text.data()), text.size()});
    if (saved.stage != SaveResult::Done)
        Message("The table could not be written to " + path + ": " + std::strerror(saved.error) +
                    ".",
                m_strTitle);
}

void CTableDlg::OnImportButton() {
    if (const auto path = m_services.AskOpenFileName(CsvRequest("Import", false)))
        ImportFile(*path);
}

void CTableDlg::OnExportButton() {
    if (const auto path = m_services.AskSaveFileName(CsvRequest("Export", true))) ExportFile(*path);
}

void CTableDlg::ShowRefusals(const std::vector<std::string>& refusals, const std::string& caption) {
    std::string text;
    for (const std::string& line : refusals)
        text += (text.empty() ? "" : "\n") + line;
    Message(text, caption);
}

void CTableDlg::Message(const std::string& text, const std::string& caption) {
    // Refusals quote the file's UTF-8 text; the box shows single bytes, '?' for a character
    // without one.
    std::string bytes;
    for (const QChar c : QString::fromStdString(text))
        bytes += ToCp1252(QString(c)).value_or("?");
    m_services.MessageBox(bytes, caption);
}

bool CTableDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_ui->table && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste)) {
        Paste(QApplication::clipboard()->text());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CTableDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) CentreOnDesktop(*this);
    QDialog::showEvent(event);
}
