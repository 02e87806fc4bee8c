// SIGTERM, SIGINT and SIGHUP end the real editor in order at any moment: idle, in every dialog and
// message box it can show, during a download and in its "Download Successful" wait. Each case
// runs the editor as its own process on a file, changes the document, brings up the situation
// as a user would and signals it once it is there: it ends within 2 s with status 0, leaves no
// process behind, stores its placement and recent files, never saves over the file and keeps
// the change as a recovery copy.

#include "app/about_dlg.h"
#include "app/adv_comm_dlg.h"
#include "app/comm_dlg.h"
#include "app/config_document.h"
#include "app/kv_frame.h"
#include "download/ui/download_dlg.h"
#include "files/recovery_store.h"
#include "model/ui/max_zones_dlg.h"
#include "model/ui/station_properties_dlg.h"
#include "serial/ui/serial_test_dlg.h"
#include "tests/app/editor_child.h"
#include "tests/serial/xdg_scope.h"
#include "tests/sim/sim_process.h"
#include "tests/support/program_run.h"

#include <QApplication>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// --- In the editor ----------------------------------------------------------------------------

CConfigDocument& Document(CKVApp& app) {
    return *dynamic_cast<CConfigDocument*>(app.m_pMainWnd->Documents().ActiveDocument());
}

// Runs `act` from the event loop, as a menu command or a click would.
void Later(std::function<void()> act) {
    QTimer::singleShot(0, qApp, std::move(act));
}

void Command(CKVApp& app, CommandId id) {
    Later([&app, id] { app.m_pMainWnd->Commands().Execute(id); });
}

template <class T> T* Modal() {
    return dynamic_cast<T*>(QApplication::activeModalWidget());
}

bool BoxSays(const char* text) {
    const auto* box = Modal<QMessageBox>();
    return box && box->text().contains(QString::fromLatin1(text));
}

void Click(QWidget& dialog, const char* button) {
    dialog.findChild<QPushButton*>(QString::fromLatin1(button))->click();
}

// Types `text` into every edit box of the dialog and presses OK.
void EnterEverywhere(QDialog& dialog, const char* text) {
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
        edit->setText(QString::fromLatin1(text));
    Click(dialog, "button1");
}

// When `dialog` is the active modal widget, do `act` to it, once.
template <class T> void OnceModal(std::function<void(T&)> act) {
    CEditorChild::Watch([act] {
        T* dialog = Modal<T>();
        if (!dialog) return false;
        act(*dialog);
        return true;
    });
}

// The download's confirmation answered Yes. A read waits up to a time-out for each byte before
// the progress is pumped again; one second keeps that wait within the 2 s.
void ConfirmDownload(CKVApp& app, const char* port) {
    app.m_settings.m_szPort = port;
    app.m_settings.m_nTimeoutMs = 1000;
    CEditorChild::Watch([] {
        if (!BoxSays("Downloading will replace")) return false;
        Modal<QMessageBox>()->button(QMessageBox::Yes)->click();
        return true;
    });
    Command(app, ID_DOWNLOAD_CONFIG);
}

bool DownloadShows(const char* status) {
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* dialog = dynamic_cast<CDownloadDlg*>(window);
            dialog && dialog->isVisible() && dialog->StatusText().text() == status)
            return true;
    return false;
}

// --- The cases --------------------------------------------------------------------------------

struct SignalCase {
    const char* name;
    // Brings the editor into the situation.
    std::function<void(CKVApp&, const fs::path& home)> act;
    // True once it is there.
    std::function<bool()> there;
    // Arguments of a simulated controller linked as COM4; none runs without one.
    std::optional<std::vector<std::string>> sim = std::nullopt;
    int signal = SIGTERM;
};

const SignalCase kCases[] = {
    {"Idle", [](CKVApp&, const fs::path&) {}, [] { return true; }},
    {"IdleSigint", [](CKVApp&, const fs::path&) {}, [] { return true; }, std::nullopt, SIGINT},
    {"IdleSighup", [](CKVApp&, const fs::path&) {}, [] { return true; }, std::nullopt, SIGHUP},
    {"About", [](CKVApp& app, const fs::path&) { Command(app, ID_APP_ABOUT); },
     [] { return Modal<CAboutDlg>() != nullptr; }},
    {"Communications", [](CKVApp& app, const fs::path&) { Command(app, ID_TOOLS_COMMUNICATIONS); },
     [] { return Modal<CCommDlg>() != nullptr; }},
    {"AdvancedOverCommunications",
     [](CKVApp& app, const fs::path&) {
         app.m_settings.m_szPort = "COM4";
         OnceModal<CCommDlg>([](CCommDlg& dialog) { Click(dialog, "button260"); });
         Command(app, ID_TOOLS_COMMUNICATIONS);
     },
     [] { return Modal<CAdvCommDlg>() != nullptr; }, std::vector<std::string>{"--silent"}},
    {"SerialTestOverCommunications",
     [](CKVApp& app, const fs::path&) {
         app.m_settings.m_szPort = "COM4";
         app.m_settings.m_bTestEnabled = true;
         OnceModal<CCommDlg>([](CCommDlg& dialog) { Click(dialog, "button1017"); });
         Command(app, ID_TOOLS_COMMUNICATIONS);
     },
     [] { return Modal<CSerialTestDlg>() != nullptr; }, std::vector<std::string>{"--silent"}},
    {"PrintSetup", [](CKVApp& app, const fs::path&) { Command(app, ID_FILE_PRINT_SETUP); },
     [] { return Modal<QPageSetupDialog>() != nullptr; }},
    {"OpenFile", [](CKVApp& app, const fs::path&) { Command(app, ID_FILE_OPEN); },
     [] { return Modal<QFileDialog>() != nullptr; }},
    {"SaveAs", [](CKVApp& app, const fs::path&) { Command(app, ID_FILE_SAVE_AS); },
     [] { return Modal<QFileDialog>() != nullptr; }},
    {"InsertStation", [](CKVApp& app, const fs::path&) { Command(app, ID_EDIT_INSERT_STATION); },
     [] { return Modal<CStationPropertiesDlg>() != nullptr; }},
    {"AddStation", [](CKVApp& app, const fs::path&) { Command(app, ID_EDIT_ADD_STATION); },
     [] { return Modal<CStationPropertiesDlg>() != nullptr; }},
    {"StationRefusalOverStationProperties",
     [](CKVApp& app, const fs::path&) {
         OnceModal<CStationPropertiesDlg>(
             [](CStationPropertiesDlg& dialog) { EnterEverywhere(dialog, "999"); });
         Command(app, ID_EDIT_ADD_STATION);
     },
     [] { return Modal<QMessageBox>() != nullptr; }},
    {"MaxZones", [](CKVApp& app, const fs::path&) { Command(app, ID_MAX_ZONES); },
     [] { return Modal<CMaxZonesDlg>() != nullptr; }},
    {"ZoneRefusalOverMaxZones",
     [](CKVApp& app, const fs::path&) {
         OnceModal<CMaxZonesDlg>([](CMaxZonesDlg& dialog) { EnterEverywhere(dialog, "0"); });
         Command(app, ID_MAX_ZONES);
     },
     [] { return Modal<QMessageBox>() != nullptr; }},
    {"DeleteStationQuestion",
     [](CKVApp& app, const fs::path&) {
         Document(app).m_pStations.push_back(std::make_unique<CStation>());
         Command(app, ID_EDIT_DELETE_STATION);
     },
     [] { return Modal<QMessageBox>() != nullptr; }},
    {"LastStationNotice",
     [](CKVApp& app, const fs::path&) { Command(app, ID_EDIT_DELETE_STATION); },
     [] { return BoxSays("At least one station is required"); }},
    {"SaveChangesOnExit", [](CKVApp& app, const fs::path&) { Command(app, ID_APP_EXIT); },
     [] { return BoxSays("Save changes to site.kvx?"); }},
    {"SaveChangesOnClose", [](CKVApp& app, const fs::path&) { Command(app, ID_FILE_CLOSE); },
     [] { return BoxSays("Save changes to site.kvx?"); }},
    {"InvalidFileNotice",
     [](CKVApp& app, const fs::path& home) {
         const fs::path bad = home / "bad.kvx";
         std::ofstream(bad) << "not a configuration at all, but long enough to have a header......";
         Later([&app, bad] { app.OpenDocumentFile(bad.string()); });
     },
     [] { return BoxSays("This file is not a valid KVX file."); }},
    {"SaveErrorNotice",
     [](CKVApp& app, const fs::path& home) {
         Later([&app, home] { Document(app).DoSave((home / "missing/x.kvx").string(), true); });
     },
     [] { return Modal<QMessageBox>() != nullptr; }},
    {"DownloadConfirmation",
     [](CKVApp& app, const fs::path&) {
         app.m_settings.m_szPort = "COM4";
         Command(app, ID_DOWNLOAD_CONFIG);
     },
     [] { return BoxSays("Downloading will replace"); }, std::vector<std::string>{"--silent"}},
    {"DownloadPortError", [](CKVApp& app, const fs::path&) { ConfirmDownload(app, "COM9"); },
     [] { return BoxSays("Error: "); }},
    {"DownloadAwaitingResponse", [](CKVApp& app, const fs::path&) { ConfirmDownload(app, "COM4"); },
     [] { return DownloadShows("Getting Version"); }, std::vector<std::string>{"--silent"}},
    {"DownloadFailureNotice", [](CKVApp& app, const fs::path&) { ConfirmDownload(app, "COM4"); },
     [] { return BoxSays("Download Request denied"); },
     std::vector<std::string>{"--request", "55"}},
    {"DownloadSuccessfulWait", [](CKVApp& app, const fs::path&) { ConfirmDownload(app, "COM4"); },
     [] { return DownloadShows("Download Successful"); }, std::vector<std::string>{}},
};

void PrintTo(const SignalCase& which, std::ostream* out) {
    *out << which.name;
}

class EditorSignalTest : public ::testing::TestWithParam<SignalCase> {
protected:
    fs::path Home() const { return xdg.Path(); }
    CXdgScope xdg;
};

TEST_P(EditorSignalTest, EndsInOrderKeepingTheChangeAndSavingNothing) {
    const SignalCase& which = GetParam();
    const fs::path site = Home() / "site.kvx";
    fs::copy_file(fs::path(CORV_SOURCE_DIR) / "tests/data/new_document/config.kvx", site);
    const std::string original = ReadWholeFile(site);
    std::unique_ptr<CSimProcess> sim;
    if (which.sim) {
        std::vector<std::string> args = {"--port", "COM4"};
        args.insert(args.end(), which.sim->begin(), which.sim->end());
        sim = std::make_unique<CSimProcess>(args, Home() / "sim-errors.txt");
        ASSERT_EQ(sim->ReadyLine(), "ready COM4");
    }

    const fs::path home = Home();
    CEditorChild editor(home, {site.string()}, [&which, home](CKVApp& app) {
        CConfigDocument& doc = Document(app);
        doc.m_strZoneNames[0] = "Changed";
        doc.SetModifiedFlag();
        which.act(app, home);
        CEditorChild::Watch([&which] {
            if (!which.there()) return false;
            CEditorChild::Tell("there");
            return true;
        });
    });
    ASSERT_EQ(editor.Heard(), "there");
    const auto sent = std::chrono::steady_clock::now();
    ASSERT_EQ(kill(editor.Pid(), which.signal), 0);
    EXPECT_EQ(editor.WaitForExit(2s), 0);
    const auto took = std::chrono::steady_clock::now() - sent;
    EXPECT_LT(took, 2s);
    EXPECT_FALSE(editor.AnythingLeft());

    const std::string settings = ReadWholeFile(Home() / "Quellton Electronics/Corvantine.conf");
    EXPECT_NE(settings.find("Pos_Left="), std::string::npos) << settings;
    const std::string profile =
        ReadWholeFile(Home() / "Quellton Electronics/Corvantine Profile.conf");
    EXPECT_NE(profile.find("File1=" + site.string()), std::string::npos) << profile;
    EXPECT_EQ(ReadWholeFile(site), original) << "saved over the file";
    CRecoveryStore store((Home() / "state/Quellton Electronics/recovery").string());
    const auto kept = store.ClaimOrphans();
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].note.path, site.string());
    EXPECT_NE(ReadWholeFile(store.CopyPath(kept[0].slot)), original);
}

INSTANTIATE_TEST_SUITE_P(EveryDialog, EditorSignalTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
