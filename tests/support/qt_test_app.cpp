#include "tests/support/qt_test_app.h"

// Qt
#include <QApplication>

QApplication& QtTestApp() {
    static int argc = 1;
    static char name[] = "corvantine-test";
    static char* argv[] = {name, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}
