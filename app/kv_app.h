#pragma once
// CKVApp: the application object, the first thing that runs and the last that ends. It owns the
// program settings, the grid component loader, the ui services, the recent-file list and the main
// frame, and hands them by reference to whoever needs them; exactly one exists. Its commands: New,
// Open, Print Setup, About, the four recent files, Exit and the four hidden switches.
//
// Start-up (InitInstance) in order: the grid component (without it, "Graphics DLL did not load
// properly" and no window at all), the recent-file list, the settings, the document type, the main
// frame, the file named on the command line, the frame's first activation. Exit (ExitInstance, also
// on destruction): the frame with its documents (storing its placement), then the grid component,
// then the recent-file list is written. Run is the event loop between the two: it offers the
// recovery copies of editors that are gone, and when a signal or the session's end stops it,
// keeps every document's unsaved changes as a recovery copy instead of asking about them.

// own
#include "app/hidden_switches.h"
#include "app/recent_file_list.h"
#include "app/recovery_alarm.h"
#include "app/report_commands.h"
#include "app/window_placement.h"
#include "files/recovery_store.h"
#include "framework/command_target.h"
#include "kvgraphics/graphics_dll.h"
#include "platform/program_settings.h"
#include "framework/qt/qt_ui_services.h"
#include "view/station_commands.h"

// std
#include <memory>
#include <string>
#include <vector>

class CDocument;
class CKVFrame;
class QPrinter;

class CKVApp : public CCmdTarget {
public:
    // The grid component is loaded from `gridPath` (a folder or the library), by default from
    // the executable's folder.
    explicit CKVApp(std::string gridPath = {});
    ~CKVApp() override;
    CKVApp(const CKVApp&) = delete;
    CKVApp& operator=(const CKVApp&) = delete;

    // `args`: the command line after the program's name; together they are one file path.
    // `nCmdShow`: how the frame shows when no placement is stored. False when the program must
    // end: the grid component is missing (after its message) or the frame could not be made.
    bool InitInstance(const std::vector<std::string>& args, uint32_t nCmdShow = kShowNormal);
    void ExitInstance();
    // The event loop of a started editor, until the frame closes or an orderly exit is
    // requested; then ExitInstance. Returns the program's exit status.
    int Run();
    // Every document with unsaved changes leaves its recovery copy for the next start.
    void KeepUnsavedDocuments();

    CommandHandlers FindCommand(CommandId id) override;

    void OnFileNew();
    void OnFileOpen();
    void OnFilePrintSetup();
    void OnAppAbout();
    void OnAppExit();
    void OnFileMruFile1();
    void OnFileMruFile2();
    void OnFileMruFile3();
    void OnFileMruFile4();
    // Grey while the list is empty.
    void OnUpdateRecentFileMenu(CCmdUI& ui);

    // The document of `path`, opened (or activated when already open); null when refused. A
    // refused recent file leaves the list.
    CDocument* OpenDocumentFile(const std::string& path);
    // The printer of Print Setup, Print, Print Preview and the exported PDF's page.
    QPrinter& Printer();

    CProgramSettings m_settings;
    CHiddenSwitches m_switches{m_settings};
    CQtUiServices m_ui;
    CRecentFileList m_recentFiles;
    CStationCommands m_stationCommands{m_settings};
    CRecoveryStore m_recovery{CRecoveryStore::DefaultFolder()};
    CRecoveryAlarm m_recoveryAlarm{m_ui};
    CReportCommands m_reportCommands{*this};
    // Set at start-up when the grid component loaded, released at exit.
    std::unique_ptr<CGraphicsDll> m_pGraphicsDll;
    std::unique_ptr<CKVFrame> m_pMainWnd;

private:
    void OpenRecentFile(std::size_t index);

    std::string m_gridPath;
    std::unique_ptr<QPrinter> m_pPrinter;
    static const CommandEntry<CKVApp> kCommands[];
};
