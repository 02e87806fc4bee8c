// own
#include "tools/cli/cli_context.h"
#include "model/formats/text_excerpt.h"

// std
#include <iostream>

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
    ui.subject = path;
    const bool opened = doc->OnOpenDocument(path);
    ui.subject.clear();
    if (opened) return doc;
    // The document has said why it refused the file.
    exitCode = kExitCannotRead;
    return nullptr;
}
