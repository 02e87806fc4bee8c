#pragma once
// The one QApplication of a widget test executable, made on first use and kept to the end of the
// process (tests run headless: QT_QPA_PLATFORM=offscreen).

class QApplication;

QApplication& QtTestApp();
