// own
#include "view/limit_edit.h"
#include "framework/qt/cp1252.h"

// Qt
#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>

// std
#include <algorithm>
#include <iterator>

namespace {
// A key that types text, as opposed to moving, deleting or a shortcut. Every character counts
// toward the limit, accented ones too: the model counts bytes.
bool TypesText(const QKeyEvent& event) {
    const QString text = event.text();
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

// A key that would undo or redo the box's own typing, under any platform's key bindings.
bool StepsHistory(const QKeyEvent& event) {
    static const QKeySequence kKeys[] = {
        QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y),
        QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)};
    const QKeySequence pressed(event.keyCombination());
    return event.matches(QKeySequence::Undo) || event.matches(QKeySequence::Redo) ||
           std::find(std::begin(kKeys), std::end(kKeys), pressed) != std::end(kKeys);
}
} // namespace

CLimitEdit::CLimitEdit(QWidget* parent) : QLineEdit(parent) {
    setFrame(false);
    setValidator(new CCp1252Validator(this));
}

bool CLimitEdit::event(QEvent* event) {
    // Left unclaimed, the key goes to the window's Undo and Redo shortcuts.
    if (event->type() == QEvent::ShortcutOverride &&
        StepsHistory(*static_cast<QKeyEvent*>(event))) {
        event->ignore();
        return true;
    }
    return QLineEdit::event(event);
}

void CLimitEdit::keyPressEvent(QKeyEvent* event) {
    if (StepsHistory(*event)) {
        event->ignore();
        return;
    }
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

void CLimitEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createStandardContextMenu();
    for (QAction* action : menu->actions())
        if (action->objectName() == QLatin1String("edit-undo") ||
            action->objectName() == QLatin1String("edit-redo"))
            menu->removeAction(action);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}
