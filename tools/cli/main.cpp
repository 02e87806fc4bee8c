// corvantine-cli: the editor's non-interactive jobs, with the editor's own code.

// own
#include "model/formats/text_excerpt.h"
#include "platform/version.h"
#include "tools/cli/commands.h"
#include "tools/cli/output.h"

// std
#include <csignal>
#include <iostream>

namespace {
constexpr const char* kExitStatusHelp =
    "Exit status: 0 success, 1 refused or failed, 2 cannot read, 64 usage, 130 or 143 "
    "cancelled by SIGINT or SIGTERM.";
} // namespace

int main(int argc, char** argv) {
    // A closed pipe is reported as a write error rather than ending the tool without a word.
    std::signal(SIGPIPE, SIG_IGN);
    CLI::App app{"Corvantine configuration tool", "corvantine-cli"};
    app.footer(kExitStatusHelp);
    app.require_subcommand(1);
    app.set_version_flag("--version", std::string("corvantine-cli ") + kCorvVersion);
    CCliContext context;
    AddNewCommand(app, context);
    AddExportCommand(app, context);
    AddImportCommand(app, context);
    AddPortsCommand(app, context);
    AddImageCommand(app, context);
    AddDownloadCommand(app, context);
    AddLoopbackCommand(app, context);
    AddCheckCommand(app, context);
    AddDecodeCommand(app, context);
    AddDiffCommand(app, context);
    AddReportCommand(app, context);
    AddZonesCommand(app, context);
    AddStationsCommand(app, context);
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        // A word that is no command is named, where CLI11 would only ask for a command.
        if (argc > 1 && argv[1][0] != '-' && app.get_subcommands().empty()) {
            std::cerr << "corvantine-cli: unknown command \"" << ForTerminal(argv[1])
                      << "\"; --help lists the commands\n";
            context.exitCode = kExitUsage;
        } else if (app.exit(error) != 0) {
            // Help is a success; every other parse error is a usage error, whatever CLI11
            // numbers it.
            context.exitCode = kExitUsage;
        }
    }
    CloseStandardOutput(context);
    return context.exitCode;
}
