#pragma once
// CRecoveryKeeper: the recovery copy of one document. A change starts a short timer that later
// changes do not restart, so the copy is never more than a few seconds behind, steady typing
// included, and is written on the event loop rather than on the keystroke. A save (the modified
// flag cleared) or the document's end removes the copy; Keep leaves it for the next start.
//
// The store and the document must outlive the keeper.

// Qt
#include <QTimer>

// std
#include <cstdint>
#include <ctime>
#include <string>

class CKVDoc;
class CRecoveryStore;

class CRecoveryKeeper {
public:
    // Within this time of a change its copy is on disk.
    static constexpr int kCopyDelayMs = 4000;

    CRecoveryKeeper(CRecoveryStore& store, CKVDoc& doc);
    ~CRecoveryKeeper();
    CRecoveryKeeper(const CRecoveryKeeper&) = delete;
    CRecoveryKeeper& operator=(const CRecoveryKeeper&) = delete;

    // Told every time the document's modified flag is set (every change) or cleared (saved).
    void OnModifiedFlag(bool modified);
    // The copy of the document as it is now, when it has unsaved changes.
    void WriteNow();
    // Writes the copy now and leaves it when the document goes.
    void Keep();

    bool CopyPending() const { return m_timer.isActive(); }

private:
    CRecoveryStore& m_store;
    CKVDoc& m_doc;
    const std::string m_slot;
    QTimer m_timer;
    std::time_t m_lastChange = 0;
    bool m_bKept = false;
};
