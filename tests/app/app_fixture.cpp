#include "tests/app/app_fixture.h"

// own
#include "platform/settings_key.h"
#include "tests/support/qt_test_app.h"

// Qt
#include <QTest>

// std
#include <cstdlib>
#include <filesystem>

AppTest::AppTest() {
    QtTestApp();
    setenv("XDG_STATE_HOME", stateHome.c_str(), 1);
}

AppTest::~AppTest() {
    Exit();
    unsetenv("XDG_STATE_HOME");
}

void AppTest::Start(const std::vector<std::string>& args) {
    app = std::make_unique<CKVApp>();
    ASSERT_TRUE(app->InitInstance(args));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()) || Frame().isMinimized());
    if (!Frame().isMinimized()) {
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Frame()));
    }
}

std::string AppTest::Stored(const std::string& name) {
    return CSettingsKey().ReadString(name, "absent");
}

std::string AppTest::ConfigFile(const std::string& name) const {
    const std::filesystem::path source =
        std::filesystem::path(CORV_SOURCE_DIR) / "tests/data/new_document/config.kvx";
    const std::filesystem::path target = xdg.Path() / name;
    std::filesystem::copy_file(source, target, std::filesystem::copy_options::overwrite_existing);
    return target.string();
}
