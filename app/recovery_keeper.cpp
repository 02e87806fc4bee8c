// own
#include "app/recovery_keeper.h"
#include "app/recovery_alarm.h"
#include "files/recovery_store.h"
#include "model/kv_doc.h"

// std
#include <algorithm>
#include <vector>

// POSIX
#include <unistd.h>

CRecoveryKeeper::CRecoveryKeeper(CRecoveryStore& store, CRecoveryAlarm& alarm, CKVDoc& doc)
    : m_store(store), m_alarm(alarm), m_doc(doc), m_slot(store.NewSlot()) {
    m_timer.setSingleShot(true);
    QObject::connect(&m_timer, &QTimer::timeout, [this] { WriteNow(); });
}

CRecoveryKeeper::~CRecoveryKeeper() {
    if (!m_bKept) m_store.Remove(m_slot);
}

void CRecoveryKeeper::OnChange() {
    m_lastChange = std::time(nullptr);
    if (!m_timer.isActive()) m_pendingSince.start();
    const qint64 left = kCopyDelayMs - m_pendingSince.elapsed();
    m_timer.start(static_cast<int>(std::clamp<qint64>(left, 0, kQuietMs)));
}

void CRecoveryKeeper::OnClean() {
    m_timer.stop();
    m_store.Remove(m_slot);
}

void CRecoveryKeeper::WriteNow() {
    m_timer.stop();
    if (!m_doc.IsModified()) {
        m_store.Remove(m_slot);
        return;
    }
    m_alarm.Report(Write() ? 0 : m_store.LastError(), m_store.Folder());
}

bool CRecoveryKeeper::Write() {
    // The writer marks the document as written in the current version; a copy is no save.
    const uint16_t version = m_doc.m_wVersion;
    std::vector<uint8_t> bytes;
    m_doc.WriteConfigFile(bytes);
    m_doc.m_wVersion = version;
    const CRecoveryNote note{m_doc.GetPathName(), m_doc.GetTitle(),
                             m_lastChange ? m_lastChange : std::time(nullptr), getpid()};
    return m_store.Write(m_slot, bytes, note);
}

void CRecoveryKeeper::Keep() {
    m_timer.stop();
    if (m_doc.IsModified()) Write();
    m_bKept = true;
}
