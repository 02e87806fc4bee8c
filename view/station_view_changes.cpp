// The station view following its document's announcements, and its Undo and Redo commands.

// own
#include "view/grid_accessible.h"
#include "view/grid_hover.h"
#include "view/station_cells.h"
#include "view/station_view.h"

// std
#include <algorithm>

namespace {
// A text for a menu item, its ampersands shown as themselves.
std::string MenuText(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '&') escaped += '&';
        escaped += c;
    }
    return escaped;
}

unsigned g_nLastEditSession = 0;
} // namespace

void CStationView::NewEditSession() {
    m_nEditSession = ++g_nLastEditSession;
}

void CStationView::OnDocumentChanged(const CDocChange& change) {
    const auto* config = dynamic_cast<const CConfigChange*>(&change);
    const CKVDoc* doc = GetDocument();
    if (config == nullptr || doc == nullptr) return;
    using Kind = CConfigChange::Kind;
    switch (config->kind) {
    case Kind::StationInserted:
        if (m_nShownStation >= config->station) ++m_nShownStation;
        FillStationList();
        break;
    case Kind::StationRemoved:
        FollowRemoval(*doc, config->station);
        break;
    case Kind::StationEdited:
        FillStationList();
        if (config->station == m_nShownStation) ShowStation(m_nShownStation);
        break;
    case Kind::ZonesSwitched:
        PaintSwitches(*doc, config->switches);
        break;
    case Kind::ButtonRenamed:
    case Kind::ZoneRenamed:
        ShowActiveCellTexts();
        break;
    case Kind::MaxZonesChanged:
        ShowStation(m_nShownStation);
        break;
    case Kind::ContentsReplaced:
        m_nShownStation = std::min(m_nShownStation, static_cast<int>(doc->m_pStations.size()) - 1);
        FillStationList();
        ShowStation(std::max(m_nShownStation, 0));
        break;
    }
    m_pHover->Refresh();
}

void CStationView::FollowRemoval(const CKVDoc& doc, int removed) {
    if (m_nShownStation < removed) {
        FillStationList();
        return;
    }
    if (m_nShownStation > removed) {
        --m_nShownStation;
        FillStationList();
        return;
    }
    // The shown station has gone: its successor takes its place, or the new last one.
    const int neighbour = std::min(removed, static_cast<int>(doc.m_pStations.size()) - 1);
    m_nShownStation = neighbour;
    FillStationList();
    ShowStation(neighbour);
}

void CStationView::PaintSwitches(const CKVDoc& doc, const std::vector<CZoneSwitch>& switches) {
    const HSS h = m_Grid.m_hGrid;
    if (h == nullptr || m_nShownStation < 0) return;
    CGraphicsDll& dll = m_Grid.GetDll();
    int32_t activeRow = 0, activeCol = 0;
    dll.SSGetActiveCell(h, &activeRow, &activeCol);
    m_Grid.m_bFollowActiveCell = false;
    for (const CZoneSwitch& s : switches) {
        const int row = RowOfButton(doc, m_nShownStation, s.button);
        if (row == 0 || !ZoneColumnExists(doc, s.zone + 1)) continue;
        const CBtn& button = *FindButton(doc, s.button);
        const bool on = std::any_of(button.m_pZones.begin(), button.m_pZones.end(),
                                    [&](const CZone& zone) { return zone.m_nZone == s.zone; });
        dll.SSSetActiveCell(h, row, s.zone + 1);
        m_Grid.PaintActiveCell(on);
        NotifyCellSwitched(m_Grid, row, s.zone + 1);
    }
    if (activeRow > 0 && activeCol > 0) dll.SSSetActiveCell(h, activeRow, activeCol);
    m_Grid.m_bFollowActiveCell = true;
}

void CStationView::StepHistory(const CDocEdit* (CEditHistory::*step)()) {
    CKVDoc* doc = GetDocument();
    CEditHistory* history = doc != nullptr ? doc->History() : nullptr;
    if (history == nullptr) return;
    // What was typed into a box so far is one step of its own, as when the focus leaves the box.
    NewEditSession();
    const CDocEdit* edit = (history->*step)();
    if (edit == nullptr || edit->Item() < 0) return;
    const int station = std::min(edit->Item(), static_cast<int>(doc->m_pStations.size()) - 1);
    if (station != m_nShownStation) {
        doc->m_nCurStation = station;
        ShowStation(station);
    }
}

void CStationView::OnEditUndo() {
    StepHistory(&CEditHistory::Undo);
}

void CStationView::OnEditRedo() {
    StepHistory(&CEditHistory::Redo);
}

void CStationView::OnUpdateEditUndo(CCmdUI& ui) {
    const CKVDoc* doc = GetDocument();
    const CDocEdit* next = doc && doc->History() ? doc->History()->NextUndo() : nullptr;
    ui.Enable(next != nullptr);
    ui.SetText(next != nullptr ? "&Undo " + MenuText(next->Text()) : "&Undo");
}

void CStationView::OnUpdateEditRedo(CCmdUI& ui) {
    const CKVDoc* doc = GetDocument();
    const CDocEdit* next = doc && doc->History() ? doc->History()->NextRedo() : nullptr;
    ui.Enable(next != nullptr);
    ui.SetText(next != nullptr ? "&Redo " + MenuText(next->Text()) : "&Redo");
}
