#pragma once
// CAboutDlg: the About dialog, caption "About Corvantine": the application icon, the text
// "Quellton Corvantine 2.0" and OK. It opens centred on the desktop, runs modally and changes
// nothing.

// Qt
#include <QDialog>

// std
#include <memory>

namespace Ui {
class AboutDlg;
}

class CAboutDlg : public QDialog {
public:
    explicit CAboutDlg(QWidget* parent = nullptr);
    ~CAboutDlg() override;
    CAboutDlg(const CAboutDlg&) = delete;
    CAboutDlg& operator=(const CAboutDlg&) = delete;

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::unique_ptr<Ui::AboutDlg> m_ui;
};
