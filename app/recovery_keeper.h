#pragma once
// CRecoveryKeeper: the recovery copy of one document, following the document's change
// announcements. A copy is written once changes have rested for a moment, and during steady
// changes still within a few seconds of the first change not yet copied, so the copy is never
// more than that behind the document; it is written on the event loop rather than on the
// keystroke. A copy that cannot be written is reported through the alarm and tried again on the
// next change. Going back to the saved state, a save, or the document's end removes the copy;
// Keep leaves it for the next start.
//
// The store, the alarm and the document must outlive the keeper.

// Qt
#include <QElapsedTimer>
#include <QTimer>

// std
#include <ctime>
#include <string>

class CKVDoc;
class CRecoveryAlarm;
class CRecoveryStore;

class CRecoveryKeeper {
public:
    // A copy is written once the document has rested this long after a change...
    static constexpr int kQuietMs = 1000;
    // ...and at the latest this long after the first change it does not hold yet.
    static constexpr int kCopyDelayMs = 4000;

    CRecoveryKeeper(CRecoveryStore& store, CRecoveryAlarm& alarm, CKVDoc& doc);
    ~CRecoveryKeeper();
    CRecoveryKeeper(const CRecoveryKeeper&) = delete;
    CRecoveryKeeper& operator=(const CRecoveryKeeper&) = delete;

    // Told after every announced change of the document, undo and redo included.
    void OnChange();
    // Told when the document matches its file (saved, or undone to the saved step).
    void OnClean();
    // The copy of the document as it is now when it has unsaved changes, else none; a failure
    // is reported.
    void WriteNow();
    // Writes the copy now and leaves it when the document goes; says nothing on failure, since
    // the program is ending.
    void Keep();

    bool CopyPending() const { return m_timer.isActive(); }

private:
    // False when the copy could not be written.
    bool Write();

    CRecoveryStore& m_store;
    CRecoveryAlarm& m_alarm;
    CKVDoc& m_doc;
    const std::string m_slot;
    QTimer m_timer;
    // Since the first change that no copy holds yet.
    QElapsedTimer m_pendingSince;
    std::time_t m_lastChange = 0;
    bool m_bKept = false;
};
