// new FILE.kvx: writes a new document with its defaults.

// own
#include "tools/cli/commands.h"

void AddNewCommand(CLI::App& app, CCliContext& context) {
    auto* command = app.add_subcommand("new", "Write a new configuration with its defaults");
    auto path = std::make_shared<std::string>();
    command->add_option("FILE", *path, "the .kvx file to write")->required();
    command->callback([&context, path] {
        CKVDoc doc(context.ui);
        doc.OnNewDocument();
        if (!doc.OnSaveDocument(*path)) context.exitCode = 1; // reported by the document
    });
}
