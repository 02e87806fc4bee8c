#pragma once
// Dialogs open centred on the desktop (the primary screen): left = desktop left + desktop width / 2
// - dialog width / 2, and likewise for the top, each halving truncated toward zero. The dialog
// keeps its size; call this once it has its final size (after its layout has run).

class QWidget;

void CentreOnDesktop(QWidget& dialog);
