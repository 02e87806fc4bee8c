#include "framework/qt/dialog_colours.h"

// Qt
#include <QPalette>
#include <QWidget>

void ApplyDialogColours(QWidget& dialog) {
    QPalette palette = dialog.palette();
    palette.setColor(QPalette::Window, kDialogBackground);
    // Disabled text keeps the style's grey, so a disabled label still looks disabled.
    palette.setColor(QPalette::Active, QPalette::WindowText, Qt::black);
    palette.setColor(QPalette::Inactive, QPalette::WindowText, Qt::black);
    dialog.setPalette(palette);
    dialog.setAutoFillBackground(true);
}
