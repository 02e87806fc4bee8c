#pragma once
// The editor's command line, read before any window exists so that --help, --version and a
// mistyped option are answered without a display. Qt's own options (-platform, -style, ...) are
// accepted here and left in argv for QApplication.

// std
#include <string>
#include <vector>

struct CEditorCommandLine {
    enum class Action { Run, ShowHelp, ShowVersion, UsageError };
    Action action = Action::Run;
    // The help or version text for standard output, or the error for standard error.
    std::string text;
    // The words naming the file to open, byte for byte as given; together they are one path.
    std::vector<std::string> files;
};

// `argv` as main receives it, program name first.
CEditorCommandLine ReadEditorCommandLine(int argc, const char* const* argv);
