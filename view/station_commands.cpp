// own
#include "view/station_commands.h"
#include "model/config_edits.h"
#include "model/kv_doc.h"
#include "model/station_fields.h"
#include "model/station_gate.h"
#include "model/ui/max_zones_dlg.h"
#include "model/ui/station_properties_dlg.h"
#include "view/station_view.h"

// std
#include <algorithm>
#include <memory>
#include <string>

namespace {
constexpr const char* kDeleteCaption = "Delete Station";

// Runs the Station Properties dialog, without a parent window, with `fields`; after OK they
// hold the user's entries. False after Cancel.
bool RunStationDialog(const CKVDoc& doc, bool b48ButtonOK, CStationFields& fields) {
    CStationPropertiesDlg dlg(doc, b48ButtonOK);
    static_cast<CStationFields&>(dlg) = fields;
    if (dlg.exec() != QDialog::Accepted) return false;
    fields = dlg;
    return true;
}

// The station the view's list selects, made current; the document's current station when the
// list selects none. -1 when neither names a station.
int CurrentStation(CStationView& view, const CKVDoc& doc) {
    const int selected = view.SelectedStation();
    if (selected >= 0) return selected;
    const int current = doc.m_nCurStation;
    return current >= 0 && current < static_cast<int>(doc.m_pStations.size()) ? current : -1;
}

void FocusGrid(CStationView& view) {
    view.m_Grid.setFocus(Qt::OtherFocusReason);
}
} // namespace

CStationCommands::CStationCommands(const CProgramSettings& settings) : m_settings(settings) {}

void CStationCommands::NewStation(CStationView& view, CKVDoc& doc, int number, int position,
                                  const char* text) {
    // With every pair taken the dialog proposes 1-1 and refuses it on OK; a full document that
    // still has a pair free (another used twice) is refused before the dialog.
    int port = 0, address = 0;
    doc.FindFreePortAddress(port, address);
    if (port != 0 && CheckStationAdd(doc) == StationGate::Full) {
        const CStationRefusal refusal = FullRefusal();
        doc.Ui().MessageBox(refusal.text, refusal.caption);
        FocusGrid(view);
        return;
    }
    auto station = std::make_unique<CStation>();
    station->SetName("Station" + std::to_string(number));
    CStationFields fields = FieldsForNew(doc, *station);
    if (RunStationDialog(doc, m_settings.m_b48ButtonOK, fields)) {
        ApplyFields(fields, *station, doc.m_nMaxZones);
        doc.Perform(CStationListEdit::Insert(doc, position, std::move(station), text));
        doc.m_nCurStation = position;
        view.ShowStation(position);
    }
    FocusGrid(view);
}

void CStationCommands::OnInsertStation(CStationView& view) {
    CKVDoc* doc = view.GetDocument();
    if (doc == nullptr) return;
    // With nothing selected the new station goes first.
    const int position = std::max(CurrentStation(view, *doc), 0);
    NewStation(view, *doc, position + 1, position, "Insert Station");
}

void CStationCommands::OnAddStation(CStationView& view) {
    CKVDoc* doc = view.GetDocument();
    if (doc == nullptr) return;
    const int count = static_cast<int>(doc->m_pStations.size());
    NewStation(view, *doc, count + 1, count, "Add Station");
}

void CStationCommands::OnDeleteStation(CStationView& view) {
    CKVDoc* doc = view.GetDocument();
    if (doc == nullptr) return;
    if (doc->m_pStations.size() <= 1) {
        doc->Ui().MessageBox("At least one station is required", kDeleteCaption);
        return;
    }
    const int position = CurrentStation(view, *doc);
    if (position < 0) return;
    const std::string question = "Are you sure you want to delete Station \"" +
                                 doc->m_pStations[position]->GetName() + "\" ?";
    if (doc->Ui().MessageBox(question, kDeleteCaption, MsgButtons::OkCancel) != MsgAnswer::Ok)
        return;
    // Every view showing it, this one too, moves on to the station after it, or the new last.
    doc->Perform(CStationListEdit::Remove(*doc, position, "Delete Station"));
    doc->m_nCurStation = std::min(position, static_cast<int>(doc->m_pStations.size()) - 1);
}

void CStationCommands::OnEditStation(CStationView& view) {
    CKVDoc* doc = view.GetDocument();
    if (doc == nullptr) return;
    const int position = CurrentStation(view, *doc);
    if (position < 0) return;
    doc->m_nCurStation = position;
    // The dialog's entries go into a copy, so that the change is one step with its inverse.
    CStation station = *doc->m_pStations[position];
    CStationFields fields = FieldsForEdit(*doc->m_pStations[position], position);
    if (RunStationDialog(*doc, m_settings.m_b48ButtonOK, fields) &&
        ApplyFields(fields, station, doc->m_nMaxZones))
        doc->Perform(std::make_unique<CStationEdit>(*doc, position, std::move(station)));
    view.ShowStation(doc->m_nCurStation);
    FocusGrid(view);
}

void OnMaxZones(CKVDoc& doc) {
    RunMaxZonesDlg(doc);
}
