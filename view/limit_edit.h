#pragma once
// CLimitEdit: a one-line edit box that limits what is typed into it. A typed character that
// would make the text longer than m_nLimit characters is refused while nothing is selected;
// Enter gives the focus back to the parent window. Text pasted or set by the program is not
// limited. Characters without a single-byte (Windows-1252) form are refused however they come.
// The box has no history of its own: every edit goes into the document's at once, so Undo and
// Redo keys (Ctrl+Z, Ctrl+Y, Ctrl+Shift+Z, Alt+Backspace) go on to the window's shortcuts, and
// its context menu offers no Undo or Redo.

// Qt
#include <QLineEdit>

// std
#include <cstdint>

class CLimitEdit : public QLineEdit {
public:
    explicit CLimitEdit(QWidget* parent = nullptr);

    int32_t m_nLimit = 256;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
};
