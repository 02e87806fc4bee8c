// own
#include "model/config_change.h"
#include "framework/format_text.h"
#include "model/kv_doc.h"

CBtn* FindButton(CKVDoc& doc, CButtonRef ref) {
    return const_cast<CBtn*>(FindButton(static_cast<const CKVDoc&>(doc), ref));
}

const CBtn* FindButton(const CKVDoc& doc, CButtonRef ref) {
    if (ref.IsSoft()) {
        if (ref.button < 0 || ref.button >= kSoftButtonCount) return nullptr;
        return &doc.m_SoftButtons[ref.button];
    }
    if (ref.station >= static_cast<int>(doc.m_pStations.size())) return nullptr;
    if (ref.button < 0 || ref.button >= CStation::kButtonSlots) return nullptr;
    return &doc.m_pStations[ref.station]->m_Buttons[ref.button];
}

std::string ButtonLabel(CButtonRef ref) {
    if (ref.IsSoft()) return FormatText("SB-%2.2d", ref.button + CKVDoc::kFirstSoftButtonNumber);
    return FormatText("HB-%2.2d", ref.button + 1);
}
