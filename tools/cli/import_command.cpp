// import FILE.json -o FILE.kvx: writes a configuration from JSON through the model's setters.

// own
#include "tools/cli/commands.h"
#include "tools/cli/config_json.h"

// std
#include <fstream>

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
        std::ifstream in(args->json, std::ios::binary);
        if (!in) return context.Fail(args->json + ": cannot be opened");
        nlohmann::ordered_json json;
        try {
            json = nlohmann::ordered_json::parse(in);
        } catch (const nlohmann::json::exception& e) {
            return context.Fail(args->json + ": not valid JSON: " + e.what());
        }
        CKVDoc doc(context.ui);
        doc.OnNewDocument();
        if (const auto refusal = ConfigFromJson(json, doc))
            return context.Fail(args->json + ": " + *refusal);
        if (!doc.OnSaveDocument(args->output)) context.exitCode = 1; // reported by the document
    });
}
