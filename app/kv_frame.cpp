// own
#include "app/kv_frame.h"
#include "app/app_resources.h"
#include "app/comm_dlg.h"
#include "app/frame_accelerators.h"
#include "app/frame_menus.h"
#include "app/frame_status_bar.h"
#include "app/frame_toolbar.h"
#include "app/menu_lists.h"
#include "framework/qt/cp1252.h"
#include "view/station_view.h"

// Qt
#include <QApplication>
#include <QCloseEvent>
#include <QDropEvent>
#include <QFile>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusTipEvent>
#include <QUrl>

const CommandEntry<CKVFrame> CKVFrame::kCommands[] = {
    {ID_TOOLS_COMMUNICATIONS, &CKVFrame::OnToolsCommunications},
    {ID_VIEW_STATION_ADDRESSES, &CKVFrame::OnViewStationAddresses,
     &CKVFrame::OnUpdateViewStationAddresses},
    {ID_VIEW_TOOLBAR, &CKVFrame::OnViewToolbar, &CKVFrame::OnUpdateViewToolbar},
    {ID_VIEW_STATUS_BAR, &CKVFrame::OnViewStatusBar, &CKVFrame::OnUpdateViewStatusBar},
};

namespace {
// Local files among dropped URLs, in the file system's encoding.
std::vector<std::string> DroppedFiles(const QMimeData* data) {
    std::vector<std::string> files;
    if (!data) return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) files.push_back(QFile::encodeName(url.toLocalFile()).toStdString());
    return files;
}
} // namespace

CKVFrame::CKVFrame(CProgramSettings& settings, CUiServices& ui, CDocumentType type, CCmdTarget& app,
                   const CRecentFileList& recentFiles)
    : m_settings(settings), m_app(app), m_documentIcon(DocumentIcon()), m_pArea(new QMdiArea(this)),
      m_pDocuments(std::make_unique<CMultiDocTemplate>(*m_pArea, ui, std::move(type))),
      m_mdiCommands(*m_pDocuments),
      m_commands([this] { return m_pDocuments->Route(this, &m_app); }) {
    setWindowIcon(ApplicationIcon());
    // The size of a first run, before any placement is stored: most of the screen.
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        resize(screen->availableGeometry().size() * 3 / 4);
    setCentralWidget(m_pArea);
    setAcceptDrops(true);

    m_wndToolBar = new CFrameToolBar(m_commands, this);
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
    m_wndStatusBar = new CFrameStatusBar(this);
    setStatusBar(m_wndStatusBar);
    InstallAccelerators(*this, m_commands);

    m_pMenuWithoutDocument = std::make_unique<CFrameMenus>(NoDocumentMenu(), m_commands, *this);
    m_pMenuWithDocument = std::make_unique<CFrameMenus>(DocumentMenu(), m_commands, *this);
    for (const CFrameMenus* menu : {m_pMenuWithoutDocument.get(), m_pMenuWithDocument.get()})
        ConnectPrompts(*menu);
    m_pRecentWithoutDocument = std::make_unique<CRecentFileMenu>(
        *m_pMenuWithoutDocument->MenuOf(ID_FILE_MRU_FILE1),
        *m_pMenuWithoutDocument->Action(ID_FILE_MRU_FILE1), recentFiles, m_commands);
    m_pRecentWithDocument = std::make_unique<CRecentFileMenu>(
        *m_pMenuWithDocument->MenuOf(ID_FILE_MRU_FILE1),
        *m_pMenuWithDocument->Action(ID_FILE_MRU_FILE1), recentFiles, m_commands);
    m_pWindowList =
        std::make_unique<CWindowListMenu>(*m_pMenuWithDocument->MenuOf(ID_WINDOW_NEW), *m_pArea);

    m_pDocuments->onActiveChanged = [this] { OnActiveChanged(); };
    OnActiveChanged();
}

CKVFrame::~CKVFrame() {
    // The documents' windows go before the menus and bars they update.
    m_pDocuments.reset();
}

const CFrameMenus& CKVFrame::CurrentMenu() const {
    return *m_pShownMenu;
}

CommandHandlers CKVFrame::FindCommand(CommandId id) {
    if (auto found = FindInTable(*this, kCommands, id)) return found;
    return m_mdiCommands.FindCommand(id);
}

void CKVFrame::OnToolsCommunications() {
    CCommDlg dlg(m_settings, this);
    dlg.exec();
}

void CKVFrame::OnViewStationAddresses() {
    m_settings.m_bShowAddresses = !m_settings.m_bShowAddresses;
    CDocument* document = m_pDocuments->ActiveDocument();
    if (!document) return;
    auto* view = dynamic_cast<CStationView*>(document->GetFirstView());
    if (!view) return;
    view->FillStationList();
    view->m_Grid.setFocus();
}

void CKVFrame::OnUpdateViewStationAddresses(CCmdUI& ui) {
    ui.SetCheck(m_settings.m_bShowAddresses);
}

void CKVFrame::OnViewToolbar() {
    m_wndToolBar->setVisible(!m_wndToolBar->isVisibleTo(this));
}

void CKVFrame::OnUpdateViewToolbar(CCmdUI& ui) {
    ui.SetCheck(m_wndToolBar->isVisibleTo(this));
}

void CKVFrame::OnViewStatusBar() {
    m_wndStatusBar->setVisible(!m_wndStatusBar->isVisibleTo(this));
}

void CKVFrame::OnUpdateViewStatusBar(CCmdUI& ui) {
    ui.SetCheck(m_wndStatusBar->isVisibleTo(this));
}

void CKVFrame::OnActiveChanged() {
    // Every document window shows the document icon, new ones included.
    for (QMdiSubWindow* window : m_pArea->subWindowList())
        if (window->windowIcon().cacheKey() != m_documentIcon.cacheKey())
            window->setWindowIcon(m_documentIcon);
    CDocument* document = m_pDocuments->ActiveDocument();
    ShowMenu(document ? *m_pMenuWithDocument : *m_pMenuWithoutDocument);
    QString title = QString::fromLatin1(kAppTitle);
    if (document)
        title += QStringLiteral(" - ") +
                 QFile::decodeName(QByteArray::fromStdString(document->GetTitle()));
    setWindowTitle(title);
    m_commands.Update();
}

void CKVFrame::ShowMenu(const CFrameMenus& menu) {
    if (m_pShownMenu == &menu) return;
    m_pShownMenu = &menu;
    menuBar()->clear();
    for (QMenu* popup : menu.TopLevel())
        menuBar()->addMenu(popup);
}

void CKVFrame::ConnectPrompts(const CFrameMenus& menu) {
    for (QMenu* popup : menu.All())
        connect(popup, &QMenu::hovered, this,
                [this](QAction* action) { m_wndStatusBar->ShowPrompt(CommandOf(*action)); });
    for (QMenu* popup : menu.TopLevel())
        connect(popup, &QMenu::aboutToHide, this, [this] { m_wndStatusBar->ShowIdle(); });
}

bool CKVFrame::event(QEvent* event) {
    // The message pane is the status bar's own: while a menu is open it shows the menu's prompts
    // alone; otherwise a window's status tip (the grid's cell under the pointer) shows there, and
    // an empty one brings back the idle text.
    if (event->type() == QEvent::StatusTip) {
        if (QApplication::activePopupWidget() == nullptr)
            m_wndStatusBar->ShowText(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return CMDIRememberFrame::event(event);
}

void CKVFrame::closeEvent(QCloseEvent* event) {
    if (!m_pDocuments->CloseAllDocuments()) {
        event->ignore();
        return;
    }
    CMDIRememberFrame::closeEvent(event);
}

void CKVFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!DroppedFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void CKVFrame::dropEvent(QDropEvent* event) {
    for (const std::string& path : DroppedFiles(event->mimeData()))
        m_pDocuments->OpenDocumentFile(path);
    event->acceptProposedAction();
}
