// own
#include "app/config_document.h"
#include "download/config_check.h"
#include "download/download_config.h"
#include "download/ui/check_config_dlg.h"
#include "download/ui/download_progress.h"
#include "framework/command_ids.h"
#include "model/ui/stations_dlg.h"
#include "model/ui/zone_names_dlg.h"
#include "platform/settings_key.h"
#include "view/station_commands.h"
#include "view/station_view.h"

// Qt
#include <QMdiArea>
#include <QMdiSubWindow>

// std
#include <algorithm>

namespace {
// The view of `doc` in the active child window, else its first station view; null without one.
CStationView* ActiveStationView(const CKVDoc& doc) {
    CStationView* first = nullptr;
    for (CView* view : doc.GetViews()) {
        auto* station = dynamic_cast<CStationView*>(view);
        if (station == nullptr) continue;
        if (first == nullptr) first = station;
        for (QWidget* w = station; w != nullptr; w = w->parentWidget()) {
            auto* window = qobject_cast<QMdiSubWindow*>(w);
            if (window != nullptr && window->mdiArea() != nullptr &&
                window->mdiArea()->activeSubWindow() == window)
                return station;
        }
    }
    return first;
}

// The grid cell of a finding in a view of `station`: rows are the hard buttons in use, then the
// soft buttons; columns are the zones in use, so a zone beyond them shows as the last column. A
// finding without a button or zone shows row or column 1.
void ShowFinding(CStationView& view, const CKVDoc& doc, const CheckFinding& finding) {
    int station = finding.station;
    int row = finding.button + 1;
    if (station < 0) {
        // A soft button: shown on the station the view already shows.
        station = std::max(view.SelectedStation(), 0);
        if (finding.button >= 0)
            row = doc.m_pStations[static_cast<std::size_t>(station)]->m_nType + finding.button + 1;
    }
    view.ShowCell(station, std::max(row, 1), std::clamp(finding.zone + 1, 1, doc.m_nMaxZones));
}
// The download's progress dialog, which keeps the version the controller reports in the settings
// file beside the port, for Check Configuration to check against.
class CRememberingProgress : public CDownloadProgress {
public:
    void SetControllerVersion(int major, int minor) override {
        CSettingsKey().WriteString(CConfigDocument::kValueControllerVersion,
                                   ControllerVersionText({major, minor}));
    }
};

// Where the view's grid is on the screen, which the findings dialog keeps clear of.
QRect GridOnScreen(const CStationView& view) {
    const QWidget& grid = view.m_Grid;
    return QRect(grid.mapToGlobal(QPoint(0, 0)), grid.size());
}
} // namespace

const CommandEntry<CConfigDocument> CConfigDocument::kCommands[] = {
    {ID_FILE_SAVE, &CConfigDocument::OnFileSave},
    {ID_FILE_SAVE_AS, &CConfigDocument::OnFileSaveAs},
    {ID_DOWNLOAD_CONFIG, &CConfigDocument::OnDownloadConfig},
    {ID_MAX_ZONES, &CConfigDocument::OnMaxZones},
    {ID_EDIT_ZONE_NAMES, &CConfigDocument::OnZoneNames},
    {ID_EDIT_STATIONS, &CConfigDocument::OnStations},
    {ID_TOOLS_CHECK_CONFIG, &CConfigDocument::OnCheckConfig},
};

CConfigDocument::CConfigDocument(CUiServices& ui, const CProgramSettings& settings,
                                 CRecoveryStore& recovery, CRecoveryAlarm& alarm)
    : CKVDoc(ui), m_settings(settings), m_recovery(recovery, alarm, *this) {
    onChanged = [this](CDocument&) { m_recovery.OnChange(); };
}

CommandHandlers CConfigDocument::FindCommand(CommandId id) {
    if (auto found = FindInTable(*this, kCommands, id)) return found;
    return CKVDoc::FindCommand(id);
}

void CConfigDocument::OnDownloadConfig() {
    CRememberingProgress progress;
    ::OnDownloadConfig(*this, m_settings, Ui(), progress);
}

void CConfigDocument::OnMaxZones() {
    ::OnMaxZones(*this);
}

void CConfigDocument::OnZoneNames() {
    RunZoneNamesDlg(*this);
}

void CConfigDocument::OnStations() {
    RunStationsDlg(*this);
}

bool CConfigDocument::OnSaveDocument(const std::string& path) {
    m_recovery.WriteNow();
    return CKVDoc::OnSaveDocument(path);
}

void CConfigDocument::SetModifiedFlag(bool modified) {
    CKVDoc::SetModifiedFlag(modified);
    if (!modified) m_recovery.OnClean();
}

void CConfigDocument::OnCheckConfig() {
    CStationView* view = ActiveStationView(*this);
    const auto read = ParseControllerVersion(CSettingsKey().ReadString(kValueControllerVersion, ""));
    CCheckConfigDlg dlg(*this, read, view ? view->window() : nullptr);
    if (view != nullptr) dlg.avoid = [view] { return GridOnScreen(*view); };
    dlg.onShowFinding = [this, view](const CheckFinding& finding) {
        if (view != nullptr) ShowFinding(*view, *this, finding);
    };
    dlg.exec();
}
