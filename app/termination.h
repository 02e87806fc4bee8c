#pragma once
// COrderlyExit: SIGTERM, SIGINT and SIGHUP, and the session manager's end of a session, end the
// editor in order. The signal handler only writes a byte to a socket; on the event loop,
// RequestOrderlyExit then closes every open dialog and message box as Cancel would, cancels a
// download through its dialog, and tells every event loop to end. Each nested loop so returns to
// its caller before anything is destroyed, and no new one runs until the outermost has returned;
// what is still open then (documents with unsaved changes) is the caller's to keep.
//
// One at a time, made after the QApplication; the handlers go back to the default with it.

// Qt
#include <QObject>

class QSocketNotifier;

class COrderlyExit {
public:
    COrderlyExit();
    ~COrderlyExit();
    COrderlyExit(const COrderlyExit&) = delete;
    COrderlyExit& operator=(const COrderlyExit&) = delete;

private:
    QSocketNotifier* m_pNotifier = nullptr;
    QMetaObject::Connection m_session;
};

// Unwinds the dialogs and event loops as above; the outermost loop returns 0.
void RequestOrderlyExit();
