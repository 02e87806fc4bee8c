// own
#include "framework/qt/mdi_commands.h"
#include "framework/qt/multi_doc_template.h"

// Qt
#include <QMdiArea>
#include <QMdiSubWindow>

// std
#include <vector>

namespace {
const CommandEntry<CMdiCommands> kMdiCommands[] = {
    {ID_FILE_CLOSE, &CMdiCommands::OnFileClose, &CMdiCommands::OnUpdateNeedsDocument},
    {ID_WINDOW_NEW, &CMdiCommands::OnWindowNew, &CMdiCommands::OnUpdateNeedsDocument},
    {ID_WINDOW_CASCADE, &CMdiCommands::OnWindowCascade},
    {ID_WINDOW_TILE_HORZ, &CMdiCommands::OnWindowTileHorz},
    {ID_WINDOW_ARRANGE, &CMdiCommands::OnWindowArrange},
};

std::vector<QMdiSubWindow*> Windows(const QMdiArea& area, bool minimized) {
    std::vector<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area.subWindowList())
        if (window->isVisible() && window->isMinimized() == minimized) windows.push_back(window);
    return windows;
}
} // namespace

CommandHandlers CMdiCommands::FindCommand(CommandId id) {
    return FindInTable(*this, kMdiCommands, id);
}

void CMdiCommands::OnFileClose() {
    if (CDocument* document = m_documents.ActiveDocument()) m_documents.CloseDocument(*document);
}

void CMdiCommands::OnWindowNew() {
    if (CDocument* document = m_documents.ActiveDocument()) m_documents.CreateNewWindow(*document);
}

void CMdiCommands::OnWindowCascade() {
    m_documents.Area().cascadeSubWindows();
}

void CMdiCommands::OnWindowTileHorz() {
    QMdiArea& area = m_documents.Area();
    const std::vector<QMdiSubWindow*> windows = Windows(area, false);
    if (windows.empty()) return;
    const QSize size = area.viewport()->size();
    const int height = size.height() / static_cast<int>(windows.size());
    int top = 0;
    for (QMdiSubWindow* window : windows) {
        if (window->isMaximized()) window->showNormal();
        window->setGeometry(0, top, size.width(), height);
        top += height;
    }
}

void CMdiCommands::OnWindowArrange() {
    QMdiArea& area = m_documents.Area();
    const int bottom = area.viewport()->height();
    int left = 0;
    for (QMdiSubWindow* window : Windows(area, true)) {
        window->move(left, bottom - window->height());
        left += window->width();
    }
}

void CMdiCommands::OnUpdateNeedsDocument(CCmdUI& ui) {
    ui.Enable(m_documents.ActiveDocument() != nullptr);
}
