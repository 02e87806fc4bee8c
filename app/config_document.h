#pragma once
// CConfigDocument: the configuration document as the editor registers it, a CKVDoc with the
// document commands of the menus: Save, Save As, Download Config (the controller image, then the
// download with its progress dialog, which remembers the controller's version in the settings),
// Max Number of Zones, the Zone Names and Stations tables and Check Configuration. It keeps a
// recovery copy of its unsaved changes, following every change it announces (it takes onChanged
// for that). The settings, the recovery store and its alarm belong to the application and must
// outlive the document.

// own
#include "app/recovery_keeper.h"
#include "model/kv_doc.h"
#include "platform/program_settings.h"

class CRecoveryAlarm;
class CRecoveryStore;

class CConfigDocument : public CKVDoc {
public:
    // The settings' value that keeps the version the controller reported at the last download.
    static constexpr const char* kValueControllerVersion = "ControllerVersion";

    CConfigDocument(CUiServices& ui, const CProgramSettings& settings, CRecoveryStore& recovery,
                    CRecoveryAlarm& alarm);

    CommandHandlers FindCommand(CommandId id) override;

    void OnDownloadConfig();
    void OnMaxZones();
    // The Zone Names and Stations tables; OK is one undoable step.
    void OnZoneNames();
    void OnStations();
    // The findings of the configuration check in a dialog, for the controller version read at the
    // last download (1.1 before the first) or another chosen there; choosing one shows its cell in
    // the document's active view.
    void OnCheckConfig();

    // Brings the recovery copy up to date first, so that a save killed before its temporary file
    // took the file's place leaves what it was writing to be recovered at the next start.
    bool OnSaveDocument(const std::string& path) override;
    // A cleared flag (saved, or undone to the saved step) removes the recovery copy.
    void SetModifiedFlag(bool modified = true) override;
    CRecoveryKeeper& Recovery() { return m_recovery; }

private:
    const CProgramSettings& m_settings;
    CRecoveryKeeper m_recovery;
    static const CommandEntry<CConfigDocument> kCommands[];
};
