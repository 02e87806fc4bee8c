// own
#include "app/termination.h"

// Qt
#include <QApplication>
#include <QDialog>
#include <QSessionManager>
#include <QSocketNotifier>

// std
#include <cerrno>
#include <csignal>

#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The handler only writes a byte; the event loop reads it and does the work.
int g_signalPipe[2] = {-1, -1};
bool g_exitRequested = false;

void OnSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = write(g_signalPipe[0], &byte, 1);
    errno = saved;
}

void SetHandler(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int signal : kSignals)
        sigaction(signal, &action, nullptr);
}

// Unwinds the dialogs and event loops; the outermost loop returns 0.
void RequestOrderlyExit() {
    g_exitRequested = true;
    // Rejecting is each dialog's own Cancel: message boxes answer Cancel or No, the download's
    // progress cancels and its "Close" wait ends.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* dialog = qobject_cast<QDialog*>(window); dialog && dialog->isVisible())
            dialog->reject();
        else if (window->windowType() == Qt::Popup && window->isVisible())
            window->close();
    }
    // Every running loop ends, and a dialog opened on the way out returns at once, until the
    // outermost loop has returned.
    QCoreApplication::exit(0);
}
} // namespace

COrderlyExit::COrderlyExit() {
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_signalPipe) != 0)
        return;
    m_pNotifier = new QSocketNotifier(g_signalPipe[1], QSocketNotifier::Read);
    QObject::connect(m_pNotifier, &QSocketNotifier::activated, [] {
        char bytes[16];
        while (read(g_signalPipe[1], bytes, sizeof bytes) > 0) {
        }
        RequestOrderlyExit();
    });
    m_session = QObject::connect(qApp, &QGuiApplication::commitDataRequest,
                                 [](QSessionManager&) { RequestOrderlyExit(); });
    SetHandler(OnSignal);
}

bool COrderlyExit::Requested() const {
    return g_exitRequested;
}

COrderlyExit::~COrderlyExit() {
    QObject::disconnect(m_session);
    if (!m_pNotifier) return;
    SetHandler(SIG_DFL);
    delete m_pNotifier;
    close(g_signalPipe[0]);
    close(g_signalPipe[1]);
    g_signalPipe[0] = g_signalPipe[1] = -1;
    g_exitRequested = false;
}
