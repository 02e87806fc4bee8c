// zones FILE.kvx [--set CSV] [-o OUT] and stations FILE.kvx [--set CSV] [-o OUT]: the zone names
// and the stations as CSV tables, or set from one. A table with a refused row changes nothing:
// every refused row is named on standard error. The configuration is written to OUT, or back to
// FILE, as the editor saves it.

// own
#include "model/station_table.h"
#include "model/zone_names.h"
#include "tools/cli/commands.h"
#include "tools/cli/input_file.h"
#include "tools/cli/output.h"

// std
#include <functional>

namespace {
struct TableArgs {
    std::string path, set, out;
};

// What one table does to a document: its CSV form, and the step that sets it from CSV (or the
// refused rows).
struct TableKind {
    const char* name;
    const char* help;
    std::function<std::string(const CKVDoc&)> write;
    std::function<std::unique_ptr<CDocEdit>(CKVDoc&, std::string_view, std::vector<std::string>&)>
        read;
};

void RunTable(CCliContext& context, const TableKind& kind, const TableArgs& args) {
    const auto doc = context.OpenConfig(args.path);
    if (!doc) return;
    if (args.set.empty()) {
        WriteOutput(context, args.out, kind.write(*doc));
        return;
    }
    std::string csv;
    if (const auto refusal = ReadInputFile(args.set, csv))
        return context.CannotRead(args.set + ": " + *refusal);
    std::vector<std::string> refusals;
    auto edit = kind.read(*doc, csv, refusals);
    for (const std::string& refusal : refusals)
        context.Fail(args.set + ": " + refusal);
    if (!refusals.empty()) return;
    if (edit) doc->Perform(std::move(edit));
    if (!doc->OnSaveDocument(args.out.empty() ? args.path : args.out))
        context.exitCode = kExitRefused;
}

void AddTableCommand(CLI::App& app, CCliContext& context, const TableKind& kind) {
    auto* command = app.add_subcommand(kind.name, kind.help);
    auto args = std::make_shared<TableArgs>();
    command->add_option("FILE", args->path, "the .kvx file to read")->required();
    command->add_option("--set", args->set, "the CSV table to set it from");
    command->add_option("-o,--output", args->out,
                        "where to write: the CSV table, or with --set the .kvx file (FILE itself "
                        "when left out)");
    command->callback([&context, kind, args] { RunTable(context, kind, *args); });
}
} // namespace

void AddZonesCommand(CLI::App& app, CCliContext& context) {
    AddTableCommand(app, context,
                    {"zones", "Print the zone names as CSV, or set them from CSV",
                     [](const CKVDoc& doc) { return ZoneNamesCsv(doc); },
                     [](CKVDoc& doc, std::string_view csv, std::vector<std::string>& refusals) {
                         ZoneNamesRead read = ReadZoneNames(doc, csv);
                         refusals = std::move(read.refusals);
                         return refusals.empty() ? MakeZoneNamesEdit(doc, read.names) : nullptr;
                     }});
}

void AddStationsCommand(CLI::App& app, CCliContext& context) {
    AddTableCommand(app, context,
                    {"stations", "Print the stations as CSV, or update and add stations from CSV",
                     [](const CKVDoc& doc) { return CStationTable(doc).Csv(); },
                     [](CKVDoc& doc, std::string_view csv, std::vector<std::string>& refusals) {
                         CStationTable table(doc);
                         refusals = table.Merge(csv);
                         return refusals.empty() ? table.MakeEdit(doc) : nullptr;
                     }});
}
