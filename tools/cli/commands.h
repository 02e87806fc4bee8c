#pragma once
// The commands of corvantine-cli; main adds each with one line.

// own
#include "tools/cli/cli_context.h"

// CLI11
#include <CLI/CLI.hpp>

void AddNewCommand(CLI::App& app, CCliContext& context);
void AddExportCommand(CLI::App& app, CCliContext& context);
void AddImportCommand(CLI::App& app, CCliContext& context);
void AddPortsCommand(CLI::App& app, CCliContext& context);
void AddImageCommand(CLI::App& app, CCliContext& context);
void AddDownloadCommand(CLI::App& app, CCliContext& context);
void AddLoopbackCommand(CLI::App& app, CCliContext& context);
void AddCheckCommand(CLI::App& app, CCliContext& context);
void AddDecodeCommand(CLI::App& app, CCliContext& context);
void AddDiffCommand(CLI::App& app, CCliContext& context);
void AddReportCommand(CLI::App& app, CCliContext& context);
void AddZonesCommand(CLI::App& app, CCliContext& context);
void AddStationsCommand(CLI::App& app, CCliContext& context);
