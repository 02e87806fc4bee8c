#pragma once
// COrderlyExit: SIGTERM, SIGINT and SIGHUP, and the session manager's end of a session, end the
// editor in order. The signal handler only writes a byte to a socket; on the event loop, every
// open dialog and message box is then closed as Cancel would close it (a download cancels through
// its progress dialog) and every event loop is told to end. Each nested loop so returns to its
// caller before anything is destroyed, and no new one runs until the outermost has returned
// (with 0); what is still open then (documents with unsaved changes) is the caller's to keep.
//
// One at a time, made after the QApplication and before start-up, whose messages (a file on the
// command line that cannot be opened) a signal must end too; the handlers go back to the default
// with it.

// Qt
#include <QObject>

class QSocketNotifier;

class COrderlyExit {
public:
    COrderlyExit();
    ~COrderlyExit();
    COrderlyExit(const COrderlyExit&) = delete;
    COrderlyExit& operator=(const COrderlyExit&) = delete;

    // An exit was requested: if before the outermost event loop ran, it must not run at all.
    bool Requested() const;

private:
    QSocketNotifier* m_pNotifier = nullptr;
    QMetaObject::Connection m_session;
};
