#pragma once
// The toolkit's own commands of a multi-document frame: File Close (the active document, after
// the "Save changes?" question) and the Window menu's New Window, Cascade, Tile and Arrange
// Icons. The main frame routes to it, after its own table:
//
//   CommandHandlers CKVFrame::FindCommand(CommandId id) {
//       if (auto found = FindInTable(*this, kFrameCommands, id)) return found;
//       return m_mdiCommands.FindCommand(id);
//   }
//
// The template must outlive it.

// own
#include "framework/command_target.h"

class CMultiDocTemplate;

class CMdiCommands : public CCmdTarget {
public:
    explicit CMdiCommands(CMultiDocTemplate& documents) : m_documents(documents) {}

    CommandHandlers FindCommand(CommandId id) override;

    void OnFileClose();
    void OnWindowNew();
    void OnWindowCascade();
    // One window above the other, each as wide as the area; minimized windows stay.
    void OnWindowTileHorz();
    // The minimized windows in a row along the bottom of the area.
    void OnWindowArrange();
    // Close and New Window need an active document.
    void OnUpdateNeedsDocument(CCmdUI& ui);

private:
    CMultiDocTemplate& m_documents;
};
