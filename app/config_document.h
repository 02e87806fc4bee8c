#pragma once
// CConfigDocument: the configuration document as the editor registers it, a CKVDoc with the
// document commands of the menus: Save, Save As, Download Config (the controller image, then the
// download with its progress dialog), Max Number of Zones and Check Configuration. The settings
// belong to the
// application and must outlive the document.

// own
#include "model/kv_doc.h"
#include "platform/program_settings.h"

class CConfigDocument : public CKVDoc {
public:
    CConfigDocument(CUiServices& ui, const CProgramSettings& settings);

    CommandHandlers FindCommand(CommandId id) override;

    void OnDownloadConfig();
    void OnMaxZones();
    // The findings of the configuration check in a dialog; choosing one shows its cell in the
    // document's active view.
    void OnCheckConfig();

private:
    const CProgramSettings& m_settings;
    static const CommandEntry<CConfigDocument> kCommands[];
};
