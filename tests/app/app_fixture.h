#pragma once
// The editor started in-process for widget tests, with a settings folder of its own: the real
// application object, grid component, frame, menus and documents, headless.
//
//   Start({"/tmp/x.kvx"});
//   Frame().Commands().Execute(ID_FILE_NEW);

// own
#include "app/kv_app.h"
#include "app/kv_frame.h"
#include "tests/serial/xdg_scope.h"

// std
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

class AppTest : public ::testing::Test {
protected:
    AppTest();
    ~AppTest() override;

    // Starts the editor with this command line; asserts that it started and waits until the
    // frame is shown (and active, unless it opened minimized).
    void Start(const std::vector<std::string>& args = {});
    // Ends the editor as the program's exit does.
    void Exit() { app.reset(); }

    CKVFrame& Frame() const { return *app->m_pMainWnd; }
    CMultiDocTemplate& Documents() const { return Frame().Documents(); }
    // The settings key's text of a value, or "absent".
    static std::string Stored(const std::string& name);
    // A copy of a small valid configuration file under the test's folder.
    std::string ConfigFile(const std::string& name) const;

    CXdgScope xdg;
    // Recovery copies go under the test's folder too.
    const std::filesystem::path stateHome = xdg.Path() / "state";
    std::unique_ptr<CKVApp> app;
};
