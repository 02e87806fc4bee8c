#pragma once
// Points the settings key at a fresh temporary XDG_CONFIG_HOME for each test and gives raw access
// to the file behind it.

// own
#include "tests/support/temp_dir.h"

// std
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include <gtest/gtest.h>

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::filesystem::path Folder() const { return m_config.Path() / "Quellton Electronics"; }
    std::filesystem::path File() const { return Folder() / "Corvantine.conf"; }
    // Replaces the settings file with these bytes, creating its folder.
    void WriteFile(const std::string& bytes) const;
    // The settings file's bytes, or nothing when there is no file.
    std::optional<std::string> ReadFile() const;
    // Runs `check` as an unprivileged user (in a child process when the tests run as root, since
    // root ignores file permissions) and returns its result.
    static int RunUnprivileged(const std::function<int()>& check);

    CTempDir m_config;

private:
    std::optional<std::string> m_oldXdg;
};
