// own
#include "app/editor_command_line.h"
#include "app/kv_app.h"
#include "app/termination.h"

// Qt
#include <QApplication>

// std
#include <iostream>

namespace {
// The usage-error status of sysexits, as corvantine-cli uses it.
constexpr int kUsageError = 64;
// The desktop entry's name.
constexpr char kAppId[] = "com.quellton.corvantine";
} // namespace

int main(int argc, char** argv) {
    const CEditorCommandLine commandLine = ReadEditorCommandLine(argc, argv);
    switch (commandLine.action) {
    case CEditorCommandLine::Action::ShowHelp:
    case CEditorCommandLine::Action::ShowVersion:
        std::cout << commandLine.text;
        return std::cout.flush() ? 0 : 1;
    case CEditorCommandLine::Action::UsageError:
        std::cerr << commandLine.text;
        return kUsageError;
    case CEditorCommandLine::Action::Run:
        break;
    }
    // The desktop matches the window to its launcher by its X class and instance (the class Qt
    // takes from the application name, the instance from RESOURCE_NAME unless -name is given) and
    // by the Wayland app id, the desktop file name. Settings do not depend on the application
    // name: their paths are our own.
    QCoreApplication::setApplicationName(QLatin1String(kAppId));
    QGuiApplication::setDesktopFileName(QLatin1String(kAppId));
    if (qEnvironmentVariableIsEmpty("RESOURCE_NAME")) qputenv("RESOURCE_NAME", kAppId);
    QApplication application(argc, argv);
    const COrderlyExit orderlyExit;
    CKVApp app;
    if (!app.InitInstance(commandLine.files)) return 1;
    return app.Run(orderlyExit);
}
