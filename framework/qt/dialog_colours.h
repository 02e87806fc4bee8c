#pragma once
// The look every dialog and message box of the program shares: a light grey background,
// RGB(192,192,192), with black text. Edit boxes, lists and push buttons keep their own colours.

// Qt
#include <QColor>

class QWidget;

inline const QColor kDialogBackground(192, 192, 192);

void ApplyDialogColours(QWidget& dialog);
