#pragma once
// Tests that run corvantine-cli as a program on a small site it imported itself, in a folder of
// their own.

// own
#include "tests/support/program_run.h"
#include "tests/support/temp_dir.h"

// std
#include <fstream>
#include <gtest/gtest.h>
#include <string>

// Two stations, two named zones of twelve, a soft button paging zone 5.
inline const char* const kCliSite = R"({
  "maxZones": 12, "zoneNames": ["Lobby", "Caf\u00e9"],
  "stations": [
    {"name": "Front desk", "type": 9, "port": 3, "address": 7, "group": 0,
     "lcdText": "WELCOME", "buttons": [{"name": "All call", "zones": [1, 2, 12]}]},
    {"name": "Dock Door", "type": 4, "port": 4, "address": 1}
  ],
  "softButtons": [{"name": "Fire", "zones": [5]}]
})";

class CliSiteTest : public ::testing::Test {
protected:
    CliSiteTest() {
        Write("site.json", kCliSite);
        EXPECT_EQ(Cli("import site.json -o site.kvx").exit, 0);
    }

    CProgramRun Cli(const std::string& args) { return RunProgram(CORV_CLI, args, dir.Path()); }
    void Write(const std::string& name, const std::string& text) {
        std::ofstream(dir / name, std::ios::binary) << text;
    }
    std::string Read(const std::string& name) { return ReadWholeFile(dir / name); }

    CTempDir dir;
};
