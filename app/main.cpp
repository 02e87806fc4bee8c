// own
#include "app/kv_app.h"

// Qt
#include <QApplication>

// std
#include <string>
#include <vector>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    // Qt has taken its own options out of argv; what is left is the file to open.
    const std::vector<std::string> args(argv + 1, argv + argc);
    CKVApp app;
    if (!app.InitInstance(args)) return 1;
    return app.Run();
}
