#pragma once
// What every command of corvantine-cli shares: the terminal ui services and the exit code.

// own
#include "model/kv_doc.h"
#include "tools/cli/terminal_ui.h"

// std
#include <memory>
#include <string>

struct CCliContext {
    // Prints "corvantine-cli: <line>" on standard error and makes the exit code 1.
    void Fail(const std::string& line);
    // The configuration in `path`, or nullptr after a refusal that has been reported.
    std::unique_ptr<CKVDoc> OpenConfig(const std::string& path);

    CTerminalUi ui;
    int exitCode = 0;
};
