// own
#include "view/limit_edit.h"
#include "framework/qt/cp1252.h"

// Qt
#include <QKeyEvent>

// std
#include <algorithm>

namespace {
// A key that types text, as opposed to moving, deleting or a shortcut. Every character counts
// toward the limit, accented ones too: the model counts bytes.
bool TypesText(const QKeyEvent& event) {
    const QString text = event.text();
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}
} // namespace

CLimitEdit::CLimitEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setValidator(new CCp1252Validator(this));
}

void CLimitEdit::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (parentWidget() != nullptr) parentWidget()->setFocus(Qt::OtherFocusReason);
        event->accept();
        return;
    }
    if (TypesText(*event) && text().size() >= m_nLimit && !hasSelectedText()) {
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
