// own
#include "model/ui/dialog_text.h"
#include "framework/qt/cp1252.h"

// Qt
#include <QLineEdit>

void AcceptSingleByteText(QLineEdit& edit) {
    edit.setValidator(new CCp1252Validator(&edit));
}

void SetEditText(QLineEdit& edit, const std::string& bytes) {
    edit.setText(FromCp1252(bytes));
}

std::string EditText(const QLineEdit& edit) {
    std::string bytes;
    for (const QChar c : edit.text())
        bytes += ToCp1252(QString(c)).value_or("?");
    return bytes;
}

void KeepPlaceWhenHidden(QWidget& widget) {
    QSizePolicy policy = widget.sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget.setSizePolicy(policy);
}
