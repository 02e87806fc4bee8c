// import FILE.json -o FILE.kvx: writes a configuration from JSON through the model's setters.
// Whatever the editor would refuse is refused here too, and then nothing is written.

// own
#include "tools/cli/commands.h"
#include "tools/cli/config_json.h"
#include "tools/cli/json_input.h"

void AddImportCommand(CLI::App& app, CCliContext& context) {
    struct Args {
        std::string json;
        std::string output;
    };
    auto* command = app.add_subcommand("import", "Write a configuration from JSON");
    auto args = std::make_shared<Args>();
    command->add_option("FILE", args->json, "the JSON file to read")->required();
    command->add_option("-o,--output", args->output, "the .kvx file to write")->required();
    command->callback([&context, args] {
        const auto json = ReadJsonInput(context, args->json);
        if (!json) return;
        CKVDoc doc(context.ui);
        doc.OnNewDocument();
        if (const auto refusal = ConfigFromJson(*json, doc))
            return context.Fail(args->json + ": " + *refusal);
        if (!doc.OnSaveDocument(args->output)) context.exitCode = kExitRefused;
    });
}
