// own
#include "app/about_dlg.h"
#include "app/app_resources.h"
#include "framework/qt/dialog_centring.h"
#include "framework/qt/dialog_colours.h"
#include "platform/version.h"
#include "ui_about.h"

// Qt
#include <QShowEvent>

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), m_ui(std::make_unique<Ui::AboutDlg>()) {
    m_ui->setupUi(this);
    m_ui->icon->setPixmap(ApplicationIcon().pixmap(32, 32));
    // The release comes from the build, the same one every program reports.
    m_ui->text->setText(QStringLiteral("Quellton Corvantine ") + QLatin1String(kCorvRelease));
    setFixedSize(size());
    connect(m_ui->button1, &QPushButton::clicked, this, &QDialog::accept);
    ApplyDialogColours(*this);
}

CAboutDlg::~CAboutDlg() = default;

void CAboutDlg::showEvent(QShowEvent* event) {
    if (!event->spontaneous()) CentreOnDesktop(*this);
    QDialog::showEvent(event);
}
