// The editor's command line, read without an application object: what runs the editor, what only
// prints, and what is a usage error.

#include "app/editor_command_line.h"
#include "platform/version.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Action = CEditorCommandLine::Action;

CEditorCommandLine Read(std::vector<const char*> words) {
    words.insert(words.begin(), "corvantine");
    return ReadEditorCommandLine(static_cast<int>(words.size()), words.data());
}

TEST(EditorCommandLineTest, HelpAndVersionOnlyPrintInEitherSpelling) {
    for (const char* word : {"-h", "--help"}) {
        const CEditorCommandLine line = Read({word, "site.kvx"});
        EXPECT_EQ(line.action, Action::ShowHelp) << word;
        EXPECT_EQ(line.text.rfind("Usage: corvantine [options] [file]\n", 0), 0u) << line.text;
        EXPECT_NE(line.text.find("--version"), std::string::npos) << line.text;
        // Qt's own options are accepted but are not ours to describe.
        EXPECT_EQ(line.text.find("platform"), std::string::npos) << line.text;
    }
    for (const char* word : {"-v", "--version"}) {
        const CEditorCommandLine line = Read({word});
        EXPECT_EQ(line.action, Action::ShowVersion) << word;
        EXPECT_EQ(line.text, std::string("corvantine ").append(kCorvVersion).append("\n"));
    }
}

TEST(EditorCommandLineTest, UnknownOptionIsAUsageErrorNamedAsTyped) {
    const std::pair<const char*, const char*> cases[] = {
        {"--helpp", "corvantine: Unknown option '--helpp'.\n"},
        {"-x", "corvantine: Unknown option '-x'.\n"},
        {"--bogus=1", "corvantine: Unknown option '--bogus'.\n"},
        {"--version=2", "corvantine: Unexpected value after '--version'.\n"},
    };
    for (const auto& [word, first] : cases) {
        const CEditorCommandLine line = Read({word});
        EXPECT_EQ(line.action, Action::UsageError) << word;
        EXPECT_TRUE(line.files.empty());
        EXPECT_EQ(line.text.substr(0, std::string(first).size()), first) << line.text;
        EXPECT_NE(line.text.find("corvantine --help"), std::string::npos) << line.text;
    }
}

TEST(EditorCommandLineTest, FileWordsReachTheEditorAsGiven) {
    EXPECT_EQ(Read({}).files, std::vector<std::string>());
    EXPECT_EQ(Read({"site.kvx"}).action, Action::Run);
    EXPECT_EQ(Read({"site.kvx"}).files, std::vector<std::string>{"site.kvx"});
    // An unquoted name with blanks arrives in words; the editor joins them.
    EXPECT_EQ(Read({"Main", "Hall.kvx"}).files, (std::vector<std::string>{"Main", "Hall.kvx"}));
    // After "--" a leading dash is part of the name.
    EXPECT_EQ(Read({"--", "-old.kvx"}).files, std::vector<std::string>{"-old.kvx"});
    // Bytes that are not UTF-8 survive unchanged.
    EXPECT_EQ(Read({"caf\xe9.kvx"}).files, std::vector<std::string>{"caf\xe9.kvx"});
}

TEST(EditorCommandLineTest, ToolkitOptionsAndTheirValuesAreNotFiles) {
    const CEditorCommandLine line =
        Read({"-platform", "offscreen", "-style=fusion", "-reverse", "site.kvx"});
    EXPECT_EQ(line.action, Action::Run);
    EXPECT_EQ(line.files, std::vector<std::string>{"site.kvx"});
}

} // namespace
