// own
#include "app/recovery_keeper.h"
#include "model/kv_doc.h"
#include "files/recovery_store.h"

// std
#include <vector>

// POSIX
#include <unistd.h>

CRecoveryKeeper::CRecoveryKeeper(CRecoveryStore& store, CKVDoc& doc)
    : m_store(store), m_doc(doc), m_slot(store.NewSlot()) {
    m_timer.setSingleShot(true);
    m_timer.setInterval(kCopyDelayMs);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { WriteNow(); });
}

CRecoveryKeeper::~CRecoveryKeeper() {
    if (!m_bKept) m_store.Remove(m_slot);
}

void CRecoveryKeeper::OnModifiedFlag(bool modified) {
    if (modified) {
        m_lastChange = std::time(nullptr);
        if (!m_timer.isActive()) m_timer.start();
        return;
    }
    m_timer.stop();
    m_store.Remove(m_slot);
}

void CRecoveryKeeper::WriteNow() {
    m_timer.stop();
    if (!m_doc.IsModified()) return;
    // The writer marks the document as written in the current version; a copy is no save.
    const uint16_t version = m_doc.m_wVersion;
    std::vector<uint8_t> bytes;
    m_doc.WriteConfigFile(bytes);
    m_doc.m_wVersion = version;
    const CRecoveryNote note{m_doc.GetPathName(), m_doc.GetTitle(),
                             m_lastChange ? m_lastChange : std::time(nullptr), getpid()};
    m_store.Write(m_slot, bytes, note);
}

void CRecoveryKeeper::Keep() {
    WriteNow();
    m_bKept = true;
}
