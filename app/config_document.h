#pragma once
// CConfigDocument: the configuration document as the editor registers it, a CKVDoc with the
// document commands of the menus: Save, Save As, Download Config (the controller image, then the
// download with its progress dialog) and Max Number of Zones. The settings belong to the
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

private:
    const CProgramSettings& m_settings;
    static const CommandEntry<CConfigDocument> kCommands[];
};
