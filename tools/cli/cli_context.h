#pragma once
// What every command of corvantine-cli shares: the terminal ui services and the exit code.

// own
#include "model/kv_doc.h"
#include "tools/cli/terminal_ui.h"

// std
#include <memory>
#include <string>

// Exit statuses, as --help documents them.
inline constexpr int kExitRefused = 1;
inline constexpr int kExitCannotRead = 2;
inline constexpr int kExitUsage = 64;

struct CCliContext {
    // Prints "corvantine-cli: <line>" on standard error and makes the exit code 1.
    void Fail(const std::string& line);
    // As Fail, for an input that cannot be read: exit code 2.
    void CannotRead(const std::string& line);
    // The configuration in `path`, or nullptr after a refusal that has been reported (exit code 2:
    // the input cannot be read as a configuration).
    std::unique_ptr<CKVDoc> OpenConfig(const std::string& path);

    CTerminalUi ui;
    int exitCode = 0;
    // Set by the output helpers after the first failed write.
    bool outputFailed = false;
};
