// corvantine-cli: the editor's non-interactive jobs, with the editor's own code.

// own
#include "platform/version.h"
#include "tools/cli/commands.h"

int main(int argc, char** argv) {
    CLI::App app{"Corvantine configuration tool", "corvantine-cli"};
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("corvantine-cli ") + kCorvVersion);
    CCliContext context;
    AddNewCommand(app, context);
    AddExportCommand(app, context);
    AddImportCommand(app, context);
    AddPortsCommand(app, context);
    AddImageCommand(app, context);
    AddDownloadCommand(app, context);
    CLI11_PARSE(app, argc, argv);
    return context.exitCode;
}
