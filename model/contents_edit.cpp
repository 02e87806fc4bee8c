// own
#include "model/contents_edit.h"
#include "model/config_change.h"
#include "model/kv_doc.h"

// std
#include <algorithm>
#include <utility>

CContentsEdit::CContentsEdit(CKVDoc& doc, std::unique_ptr<CKVDoc> other, std::string text)
    : m_doc(doc), m_pOther(std::move(other)), m_strText(std::move(text)) {}

CContentsEdit::~CContentsEdit() = default;

void CContentsEdit::Redo() {
    // What a file holds; the path, title, views and history stay the document's.
    std::swap(m_doc.m_wVersion, m_pOther->m_wVersion);
    std::swap(m_doc.m_strZoneNames, m_pOther->m_strZoneNames);
    std::swap(m_doc.m_pStations, m_pOther->m_pStations);
    std::swap(m_doc.m_SoftButtons, m_pOther->m_SoftButtons);
    std::swap(m_doc.m_nMaxZones, m_pOther->m_nMaxZones);
    const int last = static_cast<int>(m_doc.m_pStations.size()) - 1;
    m_doc.m_nCurStation = std::clamp(m_doc.m_nCurStation, 0, std::max(last, 0));
    m_doc.AnnounceChange(CConfigChange(CConfigChange::Kind::ContentsReplaced));
}
