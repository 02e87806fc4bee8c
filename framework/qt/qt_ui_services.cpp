#include "framework/qt/qt_ui_services.h"

// own
#include "framework/qt/file_dialog.h"
#include "framework/qt/message_box.h"

// Qt
#include <QApplication>

MsgAnswer CQtUiServices::MessageBox(const std::string& text, const std::string& caption,
                                    MsgButtons buttons, MsgIcon icon) {
    return ShowMessageBox(QApplication::activeWindow(), text, caption, buttons, icon);
}

void CQtUiServices::MessageBoxWithFacts(const std::string& text, const std::string& facts) {
    ShowMessageBox(QApplication::activeWindow(), text, kAppTitle, MsgButtons::Ok, MsgIcon::None,
                   facts);
}

std::optional<std::string> CQtUiServices::AskOpenFileName(const FileDialogRequest& request) {
    return AskFileName(QApplication::activeWindow(), request, QFileDialog::AcceptOpen);
}

std::optional<std::string> CQtUiServices::AskSaveFileName(const FileDialogRequest& request) {
    return AskFileName(QApplication::activeWindow(), request, QFileDialog::AcceptSave);
}

void CQtUiServices::BeginWaitCursor() {
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void CQtUiServices::EndWaitCursor() {
    QGuiApplication::restoreOverrideCursor();
}
