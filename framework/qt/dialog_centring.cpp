#include "framework/qt/dialog_centring.h"

// Qt
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

void CentreOnDesktop(QWidget& dialog) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect desktop = screen->geometry();
    const QSize size = dialog.frameGeometry().size();
    // move() places the frame, so the frame's size is the one to halve.
    dialog.move(desktop.left() + desktop.width() / 2 - size.width() / 2,
                desktop.top() + desktop.height() / 2 - size.height() / 2);
}
