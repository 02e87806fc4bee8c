// own
#include "app/kv_app.h"
#include "app/about_dlg.h"
#include "app/config_document.h"
#include "app/frame_status_bar.h"
#include "app/kv_frame.h"
#include "app/recovery_offer.h"
#include "app/termination.h"
#include "framework/qt/cp1252.h"
#include "framework/qt/message_box.h"
#include "view/station_view.h"

// Qt
#include <QApplication>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QTimer>

namespace {
constexpr const char* kGridMissing = "Graphics DLL did not load properly";

FileDialogRequest OpenFileRequest() {
    FileDialogRequest request;
    request.title = "Open File";
    request.filters = {{"Corvantine files (*.kvx)", "*.kvx"}, {"All Files (*.*)", "*.*"}};
    request.mustExist = true;
    return request;
}
} // namespace

const CommandEntry<CKVApp> CKVApp::kCommands[] = {
    {ID_FILE_NEW, &CKVApp::OnFileNew},
    {ID_FILE_OPEN, &CKVApp::OnFileOpen},
    {ID_FILE_PRINT_SETUP, &CKVApp::OnFilePrintSetup},
    {ID_APP_ABOUT, &CKVApp::OnAppAbout},
    {ID_APP_EXIT, &CKVApp::OnAppExit},
    {ID_FILE_MRU_FILE1, &CKVApp::OnFileMruFile1, &CKVApp::OnUpdateRecentFileMenu},
    {ID_FILE_MRU_FILE2, &CKVApp::OnFileMruFile2},
    {ID_FILE_MRU_FILE3, &CKVApp::OnFileMruFile3},
    {ID_FILE_MRU_FILE4, &CKVApp::OnFileMruFile4},
};

CKVApp::CKVApp(std::string gridPath) : m_gridPath(std::move(gridPath)) {}

CKVApp::~CKVApp() {
    ExitInstance();
}

bool CKVApp::InitInstance(const std::vector<std::string>& args, uint32_t nCmdShow) {
    m_pGraphicsDll = std::make_unique<CGraphicsDll>();
    const bool loaded =
        m_gridPath.empty() ? m_pGraphicsDll->Load() : m_pGraphicsDll->Load(m_gridPath);
    if (!loaded) {
        m_pGraphicsDll.reset();
        ShowMessageBox(nullptr, kGridMissing, kAppTitle, MsgButtons::Ok, MsgIcon::None);
        return false;
    }
    // Every dialog and message box sets the grey look itself (ApplyDialogColours).
    m_recentFiles.ReadList();
    m_settings.LoadSettings();

    CDocumentType type;
    type.titleStem = CKVDoc::kTitleStem;
    type.createDocument = [this] {
        auto document =
            std::make_unique<CConfigDocument>(m_ui, m_settings, m_recovery, m_recoveryAlarm);
        document->onPathAdopted = [this](const std::string& path) { m_recentFiles.Add(path); };
        return document;
    };
    type.createView = [this](CDocument&) -> CQtView* {
        return new CStationView(*m_pGraphicsDll, m_settings, &m_stationCommands);
    };
    m_pMainWnd =
        std::make_unique<CKVFrame>(m_settings, m_ui, std::move(type), *this, m_recentFiles);
    m_recoveryAlarm.onStatus = [this](const std::string& text) {
        m_pMainWnd->m_wndStatusBar->ShowWarning(FromCp1252(text));
    };

    if (!args.empty()) {
        std::string path;
        for (const std::string& arg : args)
            path += (path.empty() ? "" : " ") + arg;
        m_pMainWnd->Documents().OpenDocumentFile(path);
    }
    m_pMainWnd->ActivateFrame(nCmdShow);
    m_settings.m_bShowAddresses = false;
    return true;
}

void CKVApp::ExitInstance() {
    // The frame's views use the grid component, so they go first.
    m_pMainWnd.reset();
    if (m_pGraphicsDll) {
        m_pGraphicsDll->Free();
        m_pGraphicsDll.reset();
        m_recentFiles.WriteList();
    }
}

int CKVApp::Run() {
    const COrderlyExit orderlyExit;
    // Offered from the event loop, so that a signal during the question ends it in order too.
    QTimer::singleShot(0, m_pMainWnd.get(), [this] {
        OfferRecovery(m_recovery, m_pMainWnd->Documents(), m_pMainWnd.get());
    });
    const int status = QApplication::exec();
    KeepUnsavedDocuments();
    ExitInstance();
    return status;
}

void CKVApp::KeepUnsavedDocuments() {
    if (!m_pMainWnd) return;
    for (CDocument* document : m_pMainWnd->Documents().Documents())
        if (auto* config = dynamic_cast<CConfigDocument*>(document)) config->Recovery().Keep();
}

CommandHandlers CKVApp::FindCommand(CommandId id) {
    if (auto found = FindInTable(*this, kCommands, id)) return found;
    if (auto found = m_reportCommands.FindCommand(id)) return found;
    return m_switches.FindCommand(id);
}

void CKVApp::OnFileNew() {
    m_pMainWnd->Documents().NewDocument();
}

void CKVApp::OnFileOpen() {
    if (const auto path = m_ui.AskOpenFileName(OpenFileRequest())) OpenDocumentFile(*path);
}

QPrinter& CKVApp::Printer() {
    if (!m_pPrinter) m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_pPrinter;
}

void CKVApp::OnFilePrintSetup() {
    QPageSetupDialog dialog(&Printer(), m_pMainWnd.get());
    dialog.exec();
}

void CKVApp::OnAppAbout() {
    CAboutDlg dialog(m_pMainWnd.get());
    dialog.exec();
}

void CKVApp::OnAppExit() {
    m_pMainWnd->close();
}

void CKVApp::OnFileMruFile1() {
    OpenRecentFile(0);
}

void CKVApp::OnFileMruFile2() {
    OpenRecentFile(1);
}

void CKVApp::OnFileMruFile3() {
    OpenRecentFile(2);
}

void CKVApp::OnFileMruFile4() {
    OpenRecentFile(3);
}

void CKVApp::OnUpdateRecentFileMenu(CCmdUI& ui) {
    ui.Enable(!m_recentFiles.Entries().empty());
}

void CKVApp::OpenRecentFile(std::size_t index) {
    if (index >= m_recentFiles.Entries().size()) return;
    const std::string path = m_recentFiles.Entries()[index];
    if (!OpenDocumentFile(path)) m_recentFiles.Remove(index);
}

CDocument* CKVApp::OpenDocumentFile(const std::string& path) {
    return m_pMainWnd->Documents().OpenDocumentFile(path);
}
