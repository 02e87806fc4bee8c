#pragma once
// The zone report of the active document from the File menu: Print (through the printer of
// Print Setup, with the print dialog), Print Preview, and Export Report to a PDF, HTML or CSV
// file, which also offers the commissioning checklist in those forms. Grey while no document is
// open. Part of the application object, which must outlive it.

// own
#include "framework/command_target.h"

// std
#include <string>

class CKVApp;
class CKVDoc;
struct ZoneReport;

class CReportCommands : public CCmdTarget {
public:
    explicit CReportCommands(CKVApp& app) : m_app(app) {}

    CommandHandlers FindCommand(CommandId id) override;

    void OnFilePrint();
    void OnFilePrintPreview();
    void OnFileExportReport();
    void OnUpdateReport(CCmdUI& ui);

private:
    CKVDoc* ActiveDocument() const;
    ZoneReport Report(const CKVDoc& doc) const;

    CKVApp& m_app;
    static const CommandEntry<CReportCommands> kCommands[];
};
