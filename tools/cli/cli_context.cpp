// own
#include "tools/cli/cli_context.h"
#include "model/formats/text_excerpt.h"

// std
#include <cerrno>
#include <cstring>
#include <iostream>
#include <unistd.h>

void CCliContext::Fail(const std::string& line) {
    // A refusal may quote the file, its name included: shown as terminal-safe text.
    std::cerr << "corvantine-cli: " << ForTerminal(line) << '\n';
    exitCode = kExitRefused;
}

void CCliContext::CannotRead(const std::string& line) {
    Fail(line);
    exitCode = kExitCannotRead;
}

std::unique_ptr<CKVDoc> CCliContext::OpenConfig(const std::string& path) {
    auto doc = std::make_unique<CKVDoc>(ui);
    const int shown = ui.messages;
    ui.subject = path;
    const bool opened = doc->OnOpenDocument(path);
    ui.subject.clear();
    if (opened) return doc;
    // The document refuses most files silently; a script still needs to hear why it stopped.
    if (ui.messages != shown) {
        exitCode = kExitCannotRead;
    } else if (access(path.c_str(), R_OK) != 0) {
        CannotRead(path + ": " + std::strerror(errno));
    } else {
        CannotRead(path + ": not a complete configuration file, or locked by another program");
    }
    return nullptr;
}
