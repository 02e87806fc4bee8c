// own
#include "app/config_document.h"
#include "download/download_config.h"
#include "download/ui/download_progress.h"
#include "view/station_commands.h"

const CommandEntry<CConfigDocument> CConfigDocument::kCommands[] = {
    {ID_FILE_SAVE, &CConfigDocument::OnFileSave},
    {ID_FILE_SAVE_AS, &CConfigDocument::OnFileSaveAs},
    {ID_DOWNLOAD_CONFIG, &CConfigDocument::OnDownloadConfig},
    {ID_MAX_ZONES, &CConfigDocument::OnMaxZones},
};

CConfigDocument::CConfigDocument(CUiServices& ui, const CProgramSettings& settings,
                                 CRecoveryStore& recovery)
    : CKVDoc(ui), m_settings(settings), m_recovery(recovery, *this) {}

CommandHandlers CConfigDocument::FindCommand(CommandId id) {
    if (auto found = FindInTable(*this, kCommands, id)) return found;
    return CKVDoc::FindCommand(id);
}

void CConfigDocument::OnDownloadConfig() {
    CDownloadProgress progress;
    ::OnDownloadConfig(*this, m_settings, Ui(), progress);
}

void CConfigDocument::OnMaxZones() {
    ::OnMaxZones(*this);
}

void CConfigDocument::SetModifiedFlag(bool modified) {
    CKVDoc::SetModifiedFlag(modified);
    m_recovery.OnModifiedFlag(modified);
}
