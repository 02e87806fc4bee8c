#pragma once
// CStationCommands: the station editing commands of the station views. Insert and Add Station
// make a station through the Station Properties dialog and put it before the selected station
// or at the end; Delete Station removes the selected station after asking; Edit Station changes
// the current station through the same dialog. Each acts on the view it is given and that
// view's document as one undoable step, which every view of the document follows. Also the
// document's Max Number of Zones command.
//
// The application owns one instance for all views; `settings` must outlive it.

// own
#include "platform/program_settings.h"
#include "view/station_editing.h"

class CKVDoc;
class CStationView;

class CStationCommands : public CStationEditing {
public:
    explicit CStationCommands(const CProgramSettings& settings);

    void OnInsertStation(CStationView& view) override;
    void OnAddStation(CStationView& view) override;
    void OnDeleteStation(CStationView& view) override;
    void OnEditStation(CStationView& view) override;

private:
    // Runs the dialog for a new station named "Station<number>" and, after OK, puts it at
    // `position` of the document's list as the step `text` and shows it. The grid has the focus
    // afterwards.
    void NewStation(CStationView& view, CKVDoc& doc, int number, int position, const char* text);

    const CProgramSettings& m_settings;
};

// The Max Number of Zones command of `doc`: after OK in its dialog every view shows its station
// again with the new number of zone columns.
void OnMaxZones(CKVDoc& doc);
