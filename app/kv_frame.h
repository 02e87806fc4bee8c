#pragma once
// CKVFrame: the program's main window. It holds the MDI area with the documents' windows (their
// template), the menu bar, which shows one menu while no document is open and another while one
// is, the accelerator table, the toolbar and the status bar, and it routes every menu item, key
// and button along the active view, its document, this frame and the application. Its own
// commands: View Station Addresses (a check mark the station views obey), Communications, View
// Toolbar and View Status Bar; it passes File Close and the Window menu to the template's
// commands. Files dropped on it open as documents. Closing it asks about every modified document
// first. Title: "Quellton Corvantine", and the active document's title after a dash.
//
// The settings, ui services, application and recent-file list must outlive the frame.

// own
#include "app/remember_frame.h"
#include "framework/command_target.h"
#include "platform/program_settings.h"
#include "framework/qt/command_actions.h"
#include "framework/qt/mdi_commands.h"
#include "framework/qt/multi_doc_template.h"

// Qt
#include <QIcon>

// std
#include <memory>

class CFrameMenus;
class CFrameStatusBar;
class CFrameToolBar;
class CRecentFileList;
class CRecentFileMenu;
class CWindowListMenu;
class QMdiArea;

class CKVFrame : public CMDIRememberFrame, public CCmdTarget {
public:
    CKVFrame(CProgramSettings& settings, CUiServices& ui, CDocumentType type, CCmdTarget& app,
             const CRecentFileList& recentFiles);
    ~CKVFrame() override;
    CKVFrame(const CKVFrame&) = delete;
    CKVFrame& operator=(const CKVFrame&) = delete;

    CMultiDocTemplate& Documents() const { return *m_pDocuments; }
    CCommandActions& Commands() { return m_commands; }
    QMdiArea& MdiArea() const { return *m_pArea; }
    // The menus of the bar now: without or with a document.
    const CFrameMenus& CurrentMenu() const;

    CommandHandlers FindCommand(CommandId id) override;

    void OnToolsCommunications();
    // Toggles the switch and refills the station list of the active document's first view.
    void OnViewStationAddresses();
    void OnUpdateViewStationAddresses(CCmdUI& ui);
    void OnViewToolbar();
    void OnUpdateViewToolbar(CCmdUI& ui);
    void OnViewStatusBar();
    void OnUpdateViewStatusBar(CCmdUI& ui);

    CFrameStatusBar* m_wndStatusBar;
    CFrameToolBar* m_wndToolBar;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Menu, title and command states after the active window or a document changed.
    void OnActiveChanged();
    void ShowMenu(const CFrameMenus& menu);
    void ConnectPrompts(const CFrameMenus& menu);

    CProgramSettings& m_settings;
    CCmdTarget& m_app;
    QIcon m_documentIcon;
    QMdiArea* m_pArea;
    std::unique_ptr<CMultiDocTemplate> m_pDocuments;
    CMdiCommands m_mdiCommands;
    CCommandActions m_commands;
    std::unique_ptr<CFrameMenus> m_pMenuWithoutDocument;
    std::unique_ptr<CFrameMenus> m_pMenuWithDocument;
    const CFrameMenus* m_pShownMenu = nullptr;
    std::unique_ptr<CRecentFileMenu> m_pRecentWithoutDocument;
    std::unique_ptr<CRecentFileMenu> m_pRecentWithDocument;
    std::unique_ptr<CWindowListMenu> m_pWindowList;

    static const CommandEntry<CKVFrame> kCommands[];
};
