// own
#include "model/config_edits.h"
#include "model/kv_doc.h"
#include "framework/format_text.h"

// std
#include <algorithm>

using ChangeKind = CConfigChange::Kind;

CSwitchZonesEdit::CSwitchZonesEdit(CKVDoc& doc, std::vector<CZoneSwitch> switches)
    : m_doc(doc), m_switches(std::move(switches)) {}

void CSwitchZonesEdit::Redo() {
    for (const CZoneSwitch& s : m_switches)
        if (CBtn* button = FindButton(m_doc, s.button)) button->ToggleZone(s.zone);
    CConfigChange change(ChangeKind::ZonesSwitched);
    change.switches = m_switches;
    m_doc.AnnounceChange(change);
}

std::string CSwitchZonesEdit::Text() const {
    if (m_switches.empty()) return "Switch Zones";
    const CZoneSwitch& first = m_switches.front();
    const bool oneZone = std::all_of(m_switches.begin(), m_switches.end(),
                                     [&](const CZoneSwitch& s) { return s.zone == first.zone; });
    const bool oneButton = std::all_of(m_switches.begin(), m_switches.end(),
                                       [&](const auto& s) { return s.button == first.button; });
    if (oneZone && oneButton)
        return FormatText("Switch Zone %d on ", first.zone + 1) + ButtonLabel(first.button);
    if (oneZone) return FormatText("Switch Zone %d", first.zone + 1);
    if (oneButton) return "Switch Zones on " + ButtonLabel(first.button);
    return "Switch Zones";
}

int CSwitchZonesEdit::Item() const {
    for (const CZoneSwitch& s : m_switches)
        if (!s.button.IsSoft()) return s.button.station;
    return -1;
}

CTextEdit::CTextEdit(CKVDoc& doc, std::string oldText, std::string newText, unsigned session)
    : m_doc(doc), m_strOld(std::move(oldText)), m_strNew(std::move(newText)), m_nSession(session) {}

bool CTextEdit::MergeWith(const CDocEdit& next) {
    const auto* text = dynamic_cast<const CTextEdit*>(&next);
    if (text == nullptr || m_nSession == 0 || text->m_nSession != m_nSession ||
        typeid(*text) != typeid(*this) || !SameTarget(*text))
        return false;
    m_strNew = text->m_strNew;
    return true;
}

CZoneNameEdit::CZoneNameEdit(CKVDoc& doc, int zone, std::string name, unsigned session)
    : CTextEdit(doc, doc.m_strZoneNames.at(zone), std::move(name), session), m_nZone(zone) {}

std::string CZoneNameEdit::Text() const {
    return FormatText("Name Zone %d", m_nZone + 1);
}

void CZoneNameEdit::Apply(const std::string& text) {
    m_doc.m_strZoneNames[m_nZone] = text;
    CConfigChange change(ChangeKind::ZoneRenamed);
    change.zone = m_nZone;
    m_doc.AnnounceChange(change);
}

bool CZoneNameEdit::SameTarget(const CTextEdit& other) const {
    return static_cast<const CZoneNameEdit&>(other).m_nZone == m_nZone;
}

CButtonNameEdit::CButtonNameEdit(CKVDoc& doc, CButtonRef button, std::string name, unsigned session)
    : CTextEdit(doc, FindButton(doc, button)->GetName(), std::move(name), session),
      m_button(button) {}

std::string CButtonNameEdit::Text() const {
    return "Type LCD Text of " + ButtonLabel(m_button);
}

void CButtonNameEdit::Apply(const std::string& text) {
    if (CBtn* button = FindButton(m_doc, m_button)) button->SetName(text);
    CConfigChange change(ChangeKind::ButtonRenamed);
    change.button = m_button;
    m_doc.AnnounceChange(change);
}

bool CButtonNameEdit::SameTarget(const CTextEdit& other) const {
    return static_cast<const CButtonNameEdit&>(other).m_button == m_button;
}

CStationListEdit::CStationListEdit(CKVDoc& doc, int position, bool insert, std::string text)
    : m_doc(doc), m_nPosition(position), m_bInsert(insert), m_strText(std::move(text)) {}

std::unique_ptr<CStationListEdit> CStationListEdit::Insert(CKVDoc& doc, int position,
                                                           std::unique_ptr<CStation> station,
                                                           std::string text) {
    std::unique_ptr<CStationListEdit> edit(
        new CStationListEdit(doc, position, true, std::move(text)));
    edit->m_pStation = std::move(station);
    return edit;
}

std::unique_ptr<CStationListEdit> CStationListEdit::Remove(CKVDoc& doc, int position,
                                                           std::string text) {
    return std::unique_ptr<CStationListEdit>(
        new CStationListEdit(doc, position, false, std::move(text)));
}

void CStationListEdit::Redo() {
    if (m_bInsert) {
        Put();
    } else {
        Take();
    }
}

void CStationListEdit::Undo() {
    if (m_bInsert) {
        Take();
    } else {
        Put();
    }
}

void CStationListEdit::Put() {
    m_doc.m_pStations.insert(m_doc.m_pStations.begin() + m_nPosition, std::move(m_pStation));
    CConfigChange change(ChangeKind::StationInserted);
    change.station = m_nPosition;
    m_doc.AnnounceChange(change);
}

void CStationListEdit::Take() {
    m_pStation = std::move(m_doc.m_pStations.at(m_nPosition));
    m_doc.m_pStations.erase(m_doc.m_pStations.begin() + m_nPosition);
    const int last = static_cast<int>(m_doc.m_pStations.size()) - 1;
    m_doc.m_nCurStation = std::clamp(m_doc.m_nCurStation, 0, std::max(last, 0));
    CConfigChange change(ChangeKind::StationRemoved);
    change.station = m_nPosition;
    m_doc.AnnounceChange(change);
}

CStationEdit::CStationEdit(CKVDoc& doc, int position, CStation after)
    : m_doc(doc), m_nPosition(position), m_before(*doc.m_pStations.at(position)),
      m_after(std::move(after)) {}

void CStationEdit::Apply(const CStation& station) {
    *m_doc.m_pStations.at(m_nPosition) = station;
    CConfigChange change(ChangeKind::StationEdited);
    change.station = m_nPosition;
    m_doc.AnnounceChange(change);
}

CMaxZonesEdit::CMaxZonesEdit(CKVDoc& doc, int maxZones)
    : m_doc(doc), m_nOld(doc.m_nMaxZones), m_nNew(maxZones) {}

void CMaxZonesEdit::Apply(int maxZones) {
    m_doc.m_nMaxZones = maxZones;
    m_doc.AnnounceChange(CConfigChange(ChangeKind::MaxZonesChanged));
}

CEditGroup::CEditGroup(std::string text, std::vector<std::unique_ptr<CDocEdit>> edits)
    : m_strText(std::move(text)), m_edits(std::move(edits)) {}

void CEditGroup::Redo() {
    for (const auto& edit : m_edits)
        edit->Redo();
}

void CEditGroup::Undo() {
    for (auto edit = m_edits.rbegin(); edit != m_edits.rend(); ++edit)
        (*edit)->Undo();
}

int CEditGroup::Item() const {
    return m_edits.empty() ? -1 : m_edits.front()->Item();
}
